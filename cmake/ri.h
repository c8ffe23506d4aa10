/* quillet: the RenderMan Interface C API (installed under quillet/ri/). */
#include "quillet/ri/ri.h"
