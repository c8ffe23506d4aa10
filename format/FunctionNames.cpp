#include "format/FunctionNames.h"

#include <cstddef>
#include <cstring>

namespace quillet {

namespace {

template <typename Function>
struct NamedFunction {
    Function function;
    const char *name;
};

// The first entry whose address matches, in table order.
template <typename Function, std::size_t N>
const char *lookUp(const NamedFunction<Function> (&table)[N], Function function) {
    for (const NamedFunction<Function> &entry : table) {
        if (entry.function == function) {
            return entry.name;
        }
    }
    return nullptr;
}

// The first entry whose name matches.
template <typename Function, std::size_t N>
Function lookUpName(const NamedFunction<Function> (&table)[N], const char *name) {
    if (!name) return nullptr;
    for (const NamedFunction<Function> &entry : table) {
        if (std::strcmp(entry.name, name) == 0) {
            return entry.function;
        }
    }
    return nullptr;
}

const NamedFunction<RtFilterFunc> kFilters[] = {
    {RiGaussianFilter, "gaussian"},      {RiBoxFilter, "box"},   {RiTriangleFilter, "triangle"},
    {RiCatmullRomFilter, "catmull-rom"}, {RiSincFilter, "sinc"},
};

const NamedFunction<RtProcSubdivFunc> kProcedurals[] = {
    {RiProcDelayedReadArchive, "DelayedReadArchive"},
    {RiProcRunProgram, "RunProgram"},
    {RiProcDynamicLoad, "DynamicLoad"},
};

const NamedFunction<RtProc2SubdivFunc> kProcedurals2[] = {
    {RiProc2DelayedReadArchive, "DelayedReadArchive2"},
    {RiProc2ReadArchive, "ReadArchive2"},
    {RiProc2DynamicLoad, "DynamicLoad2"},
};

const NamedFunction<RtProc2BoundFunc> kBoundFunctions[] = {
    {RiSimpleBound, "SimpleBound"},
    {RiDelayedBound, "DelayedBound"},
};

const NamedFunction<RtErrorHandler> kErrorHandlers[] = {
    {RiErrorIgnore, "ignore"},
    {RiErrorPrint, "print"},
    {RiErrorAbort, "abort"},
};

using BasisMatrix = const RtFloat (*)[4];

// Recognised by address in this order.
const NamedFunction<BasisMatrix> kBases[] = {
    {RiBezierBasis, "bezier"},   {RiBSplineBasis, "b-spline"}, {RiCatmullRomBasis, "catmull-rom"},
    {RiHermiteBasis, "hermite"}, {RiPowerBasis, "power"},
};

}  // namespace

const char *filterName(RtFilterFunc filter) {
    return filter ? lookUp(kFilters, filter) : nullptr;
}

const char *proceduralName(RtProcSubdivFunc procedural) {
    return procedural ? lookUp(kProcedurals, procedural) : nullptr;
}

const char *procedural2Name(RtProc2SubdivFunc procedural) {
    return procedural ? lookUp(kProcedurals2, procedural) : nullptr;
}

const char *boundFunctionName(RtProc2BoundFunc bound) {
    return bound ? lookUp(kBoundFunctions, bound) : nullptr;
}

const char *errorHandlerName(RtErrorHandler handler) {
    return handler ? lookUp(kErrorHandlers, handler) : nullptr;
}

const char *basisName(const RtFloat (*basis)[4]) {
    return basis ? lookUp(kBases, basis) : nullptr;
}

RtFilterFunc filterFunction(const char *name) {
    return lookUpName(kFilters, name);
}

RtProcSubdivFunc proceduralFunction(const char *name) {
    return lookUpName(kProcedurals, name);
}

RtProc2SubdivFunc procedural2Function(const char *name) {
    return lookUpName(kProcedurals2, name);
}

RtProc2BoundFunc boundFunction(const char *name) {
    return lookUpName(kBoundFunctions, name);
}

RtErrorHandler errorHandlerFunction(const char *name) {
    return lookUpName(kErrorHandlers, name);
}

const RtFloat (*standardBasis(const char *name))[4] {
    return lookUpName(kBases, name);
}

}  // namespace quillet
