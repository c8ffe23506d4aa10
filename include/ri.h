/* quillet: the RenderMan Interface C API (installed as quillet/ri.h). */
#include "quillet/ri.h"
