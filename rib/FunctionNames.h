// Names that a RIB stream gives the standard filter, procedural and error
// handler functions. A function cannot travel down a byte stream, so the
// request writers recognise the standard ones by address and write their
// names instead. Every lookup returns null for any other function.
//
// Users: PixelFilter and the texture requests (filterName), Procedural
// (proceduralName), ErrorHandler (errorHandlerName).
#ifndef QUILLET_FUNCTIONNAMES_H
#define QUILLET_FUNCTIONNAMES_H

#include "ri/ri.h"

namespace quillet {

// "gaussian", "box", "triangle", "catmull-rom" or "sinc".
const char *filterName(RtFilterFunc filter);

// "DelayedReadArchive", "RunProgram" or "DynamicLoad".
const char *proceduralName(RtProcSubdivFunc procedural);

// "ignore", "print" or "abort".
const char *errorHandlerName(RtErrorHandler handler);

}  // namespace quillet

#endif
