// Names that a RIB stream gives the standard filter, procedural and error
// handler functions. A function cannot travel down a byte stream, so the
// request writers recognise the standard ones by address and write their
// names instead; so are the standard basis matrices. Every lookup returns null
// for anything else.
//
// Users: PixelFilter and the texture requests (filterName), Procedural
// (proceduralName), Procedural2 (procedural2Name, boundFunctionName), ErrorHandler (errorHandlerName), Basis (basisName); the
// RIB parser maps the names back.
#ifndef QUILLET_FUNCTIONNAMES_H
#define QUILLET_FUNCTIONNAMES_H

#include "quillet/ri.h"

namespace quillet {

// "gaussian", "box", "triangle", "catmull-rom" or "sinc".
const char *filterName(RtFilterFunc filter);

// "DelayedReadArchive", "RunProgram" or "DynamicLoad".
const char *proceduralName(RtProcSubdivFunc procedural);

// Procedural2: "DelayedReadArchive2", "ReadArchive2" or "DynamicLoad2", and
// the bound functions "SimpleBound" or "DelayedBound".
const char *procedural2Name(RtProc2SubdivFunc procedural);
const char *boundFunctionName(RtProc2BoundFunc bound);

// "ignore", "print" or "abort".
const char *errorHandlerName(RtErrorHandler handler);

// "bezier", "b-spline", "catmull-rom", "hermite" or "power" for the standard
// basis matrices (by address).
const char *basisName(const RtFloat (*basis)[4]);

// The other way, for a reader of the stream: the function or matrix of a
// standard name, null for any other name.
RtFilterFunc filterFunction(const char *name);
RtProcSubdivFunc proceduralFunction(const char *name);
RtProc2SubdivFunc procedural2Function(const char *name);
RtProc2BoundFunc boundFunction(const char *name);
RtErrorHandler errorHandlerFunction(const char *name);
const RtFloat (*standardBasis(const char *name))[4];

}  // namespace quillet

#endif
