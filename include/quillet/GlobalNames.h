// Opt-in: the library's two central classes under their unqualified names,
// for programs written before the library's names moved into namespace
// quillet. No other installed header puts names into the global namespace.
#ifndef QUILLET_GLOBALNAMES_H
#define QUILLET_GLOBALNAMES_H

#include "quillet/RenderContext.h"
#include "quillet/RibWriter.h"

using quillet::RenderContext;
using quillet::RibWriter;

#endif
