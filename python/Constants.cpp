// Constants of the interface as attributes, and the standard functions as
// objects that the entry points map back to the C functions.
#include <cstring>

#include "python/Bindings.h"
#include "format/FunctionNames.h"

namespace quillet {
namespace python {

namespace {

const char kNotAFilter[] = "expected one of the standard filters (Ri.GaussianFilter, ...) or None";
const char kNotAProcedural[] = "expected one of the standard procedurals (Ri.ProcDelayedReadArchive, ...)";
const char kNotAProcedural2[] = "expected one of the standard procedurals (Ri.Proc2DelayedReadArchive, ...)";
const char kNotABoundFunction[] = "expected one of the standard bound functions (Ri.SimpleBound, Ri.DelayedBound)";
const char kNotAnErrorHandler[] = "expected one of the standard error handlers (Ri.ErrorPrint, ...) or None";
const char kFilterDoc[] = "A standard pixel filter (Ri.GaussianFilter, ...); calling it gives its weight at (x, y).";
const char kProceduralDoc[] = "A standard procedural for Procedural (Ri.ProcDelayedReadArchive, ...).";
const char kProcedural2Doc[] = "A standard procedural for Procedural2 (Ri.Proc2DelayedReadArchive, ...).";
const char kBoundFunctionDoc[] = "A standard bound function for Procedural2 (Ri.SimpleBound, Ri.DelayedBound).";
const char kErrorHandlerDoc[] =
    "A standard error handler (Ri.ErrorIgnore, Ri.ErrorPrint, Ri.ErrorAbort); calling it handles an error.";
const char kFilterCallDoc[] =
    "The filter's weight at an offset from the centre of a pixel.\n\n"
    "x: the offset in x.\ny: the offset in y.\nxwidth: the filter's width in x.\nywidth: its width in y.";
const char kErrorHandlerCallDoc[] =
    "Handles an error as the library would: ignores it, prints it, or prints it and ends the process.\n\n"
    "code: the error's number (quillet.RIE_...).\nseverity: quillet.RIE_INFO to quillet.RIE_SEVERE.\n"
    "message: the error's text.";
const char kBasisDoc[] = "A standard cubic basis (Ri.BezierBasis, ...) for Basis; matrix is its 4x4 matrix.";

// The token variables, named without "RI_". clang-format cannot keep a list
// of macro calls stable, so it leaves these two alone.
// clang-format off
#define QUILLET_TOKENS(X) \
    X(MATTE) X(METAL) X(PLASTIC) X(PAINTEDPLASTIC) X(SHINYMETAL) X(BUMPY) X(KA) X(KD) \
    X(KS) X(KR) X(ROUGHNESS) X(SPECULARCOLOR) X(DEPTHCUE) X(FOG) X(MINDISTANCE) X(MAXDISTANCE) \
    X(BACKGROUND) X(DISTANCE) X(TEXTURENAME) X(AMPLITUDE) X(AMBIENTLIGHT) X(POINTLIGHT) X(DISTANTLIGHT) X(SPOTLIGHT) \
    X(INTENSITY) X(LIGHTCOLOR) X(FROM) X(TO) X(CONEANGLE) X(CONEDELTAANGLE) X(BEAMDISTRIBUTION) X(MERGE) \
    X(HIDDEN) X(PAINT) X(FLATNESS) X(INSIDE) X(OUTSIDE) X(LH) X(RH) X(PERIODIC) \
    X(NONPERIODIC) X(CLAMP) X(BLACK) X(BILINEAR) X(BICUBIC) X(PRIMITIVE) X(INTERSECTION) X(UNION) \
    X(DIFFERENCE) X(FRAMEBUFFER) X(FILE) X(RGB) X(RGBA) X(RGBZ) X(RGBAZ) X(A) \
    X(Z) X(AZ) X(PERSPECTIVE) X(ORTHOGRAPHIC) X(FOV) X(ORIGIN) X(RASTER) X(SCREEN) \
    X(CAMERA) X(WORLD) X(OBJECT) X(CURRENT) X(NDC) X(EYE) X(SHADER) X(P) \
    X(PZ) X(PW) X(N) X(NP) X(CS) X(OS) X(S) X(T) \
    X(ST) X(CONSTANT) X(SMOOTH) X(IGNORE) X(PRINT) X(ABORT) X(HANDLER) X(COMMENT) \
    X(STRUCTURE) X(VERBATIM) X(IDENTIFIER) X(NAME) X(LINEAR) X(CUBIC) X(WIDTH) X(CONSTANTWIDTH) \
    X(HOLE) X(CREASE) X(CORNER) X(INTERPOLATEBOUNDARY) X(NONDIFFUSE) X(NONSPECULAR) X(BOX) X(CATMULLROM) \
    X(SINC) X(GAUSSIAN) X(TRIANGLE) X(FILTER) X(SWIDTH) X(TWIDTH) X(FILL) X(FIDELITY) \
    X(SAMPLES) X(BLUR) X(SBLUR) X(TBLUR) X(BIAS) X(LERP) X(GAPBIAS) X(SOURCE) \
    X(GAPOPT) X(REFBLUR) X(SREFBLUR) X(TREFBLUR) X(IGNOREABOVE) X(CATEGORY) X(W_HOMOGENEOUS)

#define QUILLET_ERROR_CODES(X) \
    X(NOERROR) X(NOMEM) X(SYSTEM) X(NOFILE) X(BADFILE) X(VERSION) X(DISKFULL) X(INCAPABLE) \
    X(UNIMPLEMENT) X(LIMIT) X(BUG) X(NOTSTARTED) X(NESTING) X(NOTOPTIONS) X(NOTATTRIBS) X(NOTPRIMS) \
    X(ILLSTATE) X(BADMOTION) X(BADSOLID) X(BADTOKEN) X(RANGE) X(CONSISTENCY) X(BADHANDLE) X(NOSHADER) \
    X(MISSINGDATA) X(SYNTAX) X(MATH) X(INFO) X(WARNING) X(ERROR) X(SEVERE)
// clang-format on

// A standard C function as a Python object; `name` is its name in a stream.
template <typename Function>
struct StandardFunction {
    Function function;
    const char *name;
};

using Filter = StandardFunction<RtFilterFunc>;
using Procedural = StandardFunction<RtProcSubdivFunc>;
using ErrorHandler = StandardFunction<RtErrorHandler>;

struct StandardBasis {
    RtFloat (*matrix)[4];
    const char *name;
};

template <typename Function>
py::class_<StandardFunction<Function>> functionClass(py::module_ &module, const char *className, const char *doc) {
    using Object = StandardFunction<Function>;
    py::class_<Object> objects(module, className, doc);
    objects.def_property_readonly("name", [](const Object &object) { return object.name; });
    objects.def("__repr__", [className](const Object &object) {
        return std::string("<quillet.") + className + " \"" + object.name + "\">";
    });
    return objects;
}

// The C function behind an object of the standard functions' class, or null.
template <typename Function>
Function functionOf(py::handle object, bool noneAllowed, const char *wrongType) {
    if (object.is_none() && noneAllowed) return nullptr;
    if (!py::isinstance<StandardFunction<Function>>(object)) throw py::type_error(wrongType);
    return object.cast<const StandardFunction<Function> &>().function;
}

template <typename Function>
void addFunction(RiClass &ri, const char *attribute, Function function, const char *(*nameOf)(Function)) {
    ri.attr(attribute) = StandardFunction<Function>{function, nameOf(function)};
}

}  // namespace

void bindConstants(py::module_ &module, RiClass &ri) {
#define QUILLET_ADD_TOKEN(name) ri.attr(#name) = RI_##name;
    QUILLET_TOKENS(QUILLET_ADD_TOKEN)
#undef QUILLET_ADD_TOKEN
#define QUILLET_ADD_ERROR_CODE(name) module.attr("RIE_" #name) = RIE_##name;
    QUILLET_ERROR_CODES(QUILLET_ADD_ERROR_CODE)
#undef QUILLET_ADD_ERROR_CODE
    ri.attr("NULL") = py::none();
    ri.attr("FALSE") = RI_FALSE;
    ri.attr("TRUE") = RI_TRUE;
    ri.attr("INFINITY") = RI_INFINITY;
    ri.attr("EPSILON") = RI_EPSILON;
    ri.attr("BEZIERSTEP") = RI_BEZIERSTEP;
    ri.attr("BSPLINESTEP") = RI_BSPLINESTEP;
    ri.attr("CATMULLROMSTEP") = RI_CATMULLROMSTEP;
    ri.attr("HERMITESTEP") = RI_HERMITESTEP;
    ri.attr("POWERSTEP") = RI_POWERSTEP;
    ri.def_property_readonly("LastError", [](const Ri &) { return RiLastError; });

    functionClass<RtFilterFunc>(module, "Filter", kFilterDoc)
        .def(
            "__call__",
            [](const Filter &filter, RtFloat x, RtFloat y, RtFloat xwidth, RtFloat ywidth) {
                return filter.function(x, y, xwidth, ywidth);
            },
            py::arg("x"), py::arg("y"), py::arg("xwidth"), py::arg("ywidth"), kFilterCallDoc);
    functionClass<RtProcSubdivFunc>(module, "Procedural", kProceduralDoc);
    functionClass<RtProc2SubdivFunc>(module, "Procedural2", kProcedural2Doc);
    functionClass<RtProc2BoundFunc>(module, "BoundFunction", kBoundFunctionDoc);
    functionClass<RtErrorHandler>(module, "ErrorHandler", kErrorHandlerDoc)
        .def(
            "__call__",
            [](const ErrorHandler &handler, RtInt code, RtInt severity, const char *message) {
                handler.function(code, severity, message);
            },
            py::arg("code"), py::arg("severity"), py::arg("message"), kErrorHandlerCallDoc);
    addFunction(ri, "GaussianFilter", &RiGaussianFilter, filterName);
    addFunction(ri, "BoxFilter", &RiBoxFilter, filterName);
    addFunction(ri, "TriangleFilter", &RiTriangleFilter, filterName);
    addFunction(ri, "CatmullRomFilter", &RiCatmullRomFilter, filterName);
    addFunction(ri, "SincFilter", &RiSincFilter, filterName);
    addFunction(ri, "ProcDelayedReadArchive", &RiProcDelayedReadArchive, proceduralName);
    addFunction(ri, "ProcRunProgram", &RiProcRunProgram, proceduralName);
    addFunction(ri, "ProcDynamicLoad", &RiProcDynamicLoad, proceduralName);
    addFunction(ri, "Proc2DelayedReadArchive", &RiProc2DelayedReadArchive, procedural2Name);
    addFunction(ri, "Proc2ReadArchive", &RiProc2ReadArchive, procedural2Name);
    addFunction(ri, "Proc2DynamicLoad", &RiProc2DynamicLoad, procedural2Name);
    addFunction(ri, "SimpleBound", &RiSimpleBound, boundFunctionName);
    addFunction(ri, "DelayedBound", &RiDelayedBound, boundFunctionName);
    addFunction(ri, "ErrorIgnore", &RiErrorIgnore, errorHandlerName);
    addFunction(ri, "ErrorPrint", &RiErrorPrint, errorHandlerName);
    addFunction(ri, "ErrorAbort", &RiErrorAbort, errorHandlerName);

    py::class_<StandardBasis>(module, "Basis", kBasisDoc)
        .def_property_readonly("name", [](const StandardBasis &basis) { return basis.name; })
        .def_property_readonly("matrix",
                               [](const StandardBasis &basis) {
                                   return py::array_t<RtFloat>({4, 4}, &basis.matrix[0][0]);
                               })
        .def("__repr__",
             [](const StandardBasis &basis) { return std::string("<quillet.Basis \"") + basis.name + "\">"; });
    ri.attr("BezierBasis") = StandardBasis{RiBezierBasis, basisName(RiBezierBasis)};
    ri.attr("BSplineBasis") = StandardBasis{RiBSplineBasis, basisName(RiBSplineBasis)};
    ri.attr("CatmullRomBasis") = StandardBasis{RiCatmullRomBasis, basisName(RiCatmullRomBasis)};
    ri.attr("HermiteBasis") = StandardBasis{RiHermiteBasis, basisName(RiHermiteBasis)};
    ri.attr("PowerBasis") = StandardBasis{RiPowerBasis, basisName(RiPowerBasis)};
}

RtFilterFunc filterFunction(py::handle filter) {
    return functionOf<RtFilterFunc>(filter, true, kNotAFilter);
}

RtProcSubdivFunc proceduralFunction(py::handle procedural) {
    return functionOf<RtProcSubdivFunc>(procedural, false, kNotAProcedural);
}

RtProc2SubdivFunc procedural2Function(py::handle procedural) {
    return functionOf<RtProc2SubdivFunc>(procedural, false, kNotAProcedural2);
}

RtProc2BoundFunc boundFunction(py::handle bound) {
    return functionOf<RtProc2BoundFunc>(bound, false, kNotABoundFunction);
}

RtErrorHandler errorHandlerFunction(py::handle handler) {
    return functionOf<RtErrorHandler>(handler, true, kNotAnErrorHandler);
}

BasisArg::BasisArg(py::handle basis) {
    if (py::isinstance<StandardBasis>(basis))
        standard = basis.cast<const StandardBasis &>().matrix;
    else
        numbers = FloatArg(basis, "basis");
}

RtFloat (*BasisArg::matrix() const)[4] {
    if (standard != nullptr) return standard;
    return reinterpret_cast<RtFloat(*)[4]>(numbers.values(16).data);
}

}  // namespace python
}  // namespace quillet
