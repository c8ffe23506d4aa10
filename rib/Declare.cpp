// Placeholder: these requests write nothing until their writers land.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "rib/RibWriter.h"

RtToken RibWriter::Declare(const char *name, const char *declaration) { return nullptr; }
