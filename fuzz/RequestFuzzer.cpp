// Fuzz target: a stream of interface calls decoded from the input, every
// request family through its entry points and, for the variable-argument and
// texture forms, through the current context, in ASCII or binary encoding,
// written to /dev/null. Every array is sized by the fuzzer's own count model
// (CountModel.h), never by the library's count functions.
#include <cstdarg>
#include <utility>

#include "fuzz/RequestInput.h"
#include "quillet/RenderContext.h"

using namespace quillet;

namespace {

const char kTarget[] = "/dev/null";
const int kMaxRequests = 64;
// More pairs than an entry point passes on (512): the rest must be dropped.
const size_t kTooManyPairs = 520;

namespace model = countmodel;

RenderContext *context() {
    return static_cast<RenderContext *>(RiGetContext());
}

// The basis steps of the stream, as the last Basis request set them: the
// model's copy of the state that bicubic meshes and cubic curves count by.
struct BasisSteps {
    RtInt u = 3;
    RtInt v = 3;
} steps;

RtFloat otherFilter(RtFloat, RtFloat, RtFloat, RtFloat) {
    return 0;
}
RtVoid otherProcedural(RtPointer, RtFloat) {}
RtVoid otherFree(RtPointer) {}
RtVoid otherHandler(RtInt, RtInt, const char *) {}
RtVoid archiveCallback(RtToken, const char *, ...) {}

const RtFilterFunc kFilters[] = {RiGaussianFilter, RiBoxFilter, RiTriangleFilter, RiCatmullRomFilter,
                                 RiSincFilter,     otherFilter, nullptr};
const RtProcSubdivFunc kProcedurals[] = {RiProcDelayedReadArchive, RiProcRunProgram, RiProcDynamicLoad, otherProcedural,
                                         nullptr};
const RtErrorHandler kHandlers[] = {RiErrorIgnore, RiErrorPrint, RiErrorAbort, otherHandler, nullptr};
const char *const kOptionNames[] = {"rib", "RIB", "limits", "searchpath", "render", ""};
const char *const kPatchTypes[] = {"bilinear", "bicubic", "linear", "cubic", "", "BILINEAR"};
const char *const kWraps[] = {"periodic", "nonperiodic", "", "Periodic"};
const char *const kRecordTypes[] = {"comment", "structure", "verbatim", "other", ""};

template <typename T, size_t N>
T pick(RequestInput &input, T const (&table)[N]) {
    return table[input.choose(static_cast<int>(N))];
}

// A table entry or, now and then, arbitrary text.
const char *word(RequestInput &input, const char *const *table, size_t size) {
    return input.choose(6) == 0 ? input.text() : table[input.choose(static_cast<int>(size))];
}
#define WORD(table) word(input, table, sizeof table / sizeof *table)

RtPointer pairItem(const PairList &list, size_t i) {
    return i % 2 ? list.listedValues[i / 2] : const_cast<char *>(list.listedTokens[i / 2]);
}

template <typename Call, size_t... I>
void passPairs(const PairList &list, Call &&call, std::index_sequence<I...>) {
    call(pairItem(list, I)..., RI_NULL);
}

// The list form, the entry point's variable form or the context's variable form.
template <typename List, typename Entry, typename Context>
void forms(RequestInput &input, const PairList &list, List listForm, Entry entry, Context viaContext) {
    switch (input.choose(3)) {
    case 0: listForm(list.n, list.tokens, list.values); break;
    case 1: passPairs(list, entry, std::make_index_sequence<2 * kMaxPairs>()); break;
    default: passPairs(list, viaContext, std::make_index_sequence<2 * kMaxPairs>()); break;
    }
}

#define FORMS(list, Name, ...)                                                                                         \
    forms(                                                                                                             \
        input, list, [&](RtInt n_, RtToken *t_, RtPointer *v_) { Ri##Name##V(__VA_ARGS__, n_, t_, v_); },              \
        [&](auto... p_) { Ri##Name(__VA_ARGS__, p_...); }, [&](auto... p_) { context()->Name(__VA_ARGS__, p_...); })

// The texture requests have no entry points: both forms go to the context.
#define CONTEXT_FORMS(list, Name, ...)                                                                                 \
    forms(                                                                                                             \
        input, list, [&](RtInt n_, RtToken *t_, RtPointer *v_) { context()->Name##V(__VA_ARGS__, n_, t_, v_); },       \
        [&](auto... p_) { context()->Name(__VA_ARGS__, p_...); },                                                      \
        [&](auto... p_) { context()->Name(__VA_ARGS__, p_...); })

template <size_t... I>
void motionTimes(RequestInput &input, std::index_sequence<I...>) {
    const double times[] = {(static_cast<void>(I), static_cast<double>(input.number()))..., 0.0};
    if (input.flag())
        RiMotionBegin(static_cast<RtInt>(sizeof...(I)), times[I]...);
    else
        context()->MotionBegin(static_cast<RtInt>(sizeof...(I)), times[I]...);
}

void motionBegin(RequestInput &input) {
    switch (input.choose(6)) {
    case 0: motionTimes(input, std::make_index_sequence<0>()); break;
    case 1: motionTimes(input, std::make_index_sequence<1>()); break;
    case 2: motionTimes(input, std::make_index_sequence<3>()); break;
    case 3: motionTimes(input, std::make_index_sequence<101>()); break;
    default: {
        const RtInt n = input.count();
        RiMotionBeginV(n, input.floats(n));
    }
    }
}

template <size_t... I>
void tooManyPairs(RequestInput &input, std::index_sequence<I...>) {
    RtToken token = input.token();
    RtPointer value = input.valueFor(token, model::uncounted());
    RiAttribute("fuzz", (I % 2 ? value : const_cast<char *>(token))..., RI_NULL);
}

void vArchiveRecord(bool viaContext, RtToken type, const char *format, ...) {
    va_list args;
    va_start(args, format);
    if (viaContext)
        context()->VArchiveRecord(type, format, args);
    else
        RiVArchiveRecord(type, format, args);
    va_end(args);
}

void archiveRecord(RequestInput &input) {
    RtToken type = WORD(kRecordTypes);
    const char *text = input.text();
    switch (input.choose(5)) {
    case 0: RiArchiveRecord(type, "%s", text ? text : ""); break;
    case 1: context()->ArchiveRecord(type, "%s %d", text ? text : "", input.anyInt()); break;
    case 2: vArchiveRecord(input.flag(), type, "%s", text ? text : ""); break;
    case 3: RiArchiveRecord(type, nullptr); break;
    default: RiArchiveRecord(type, "plain text, no directives"); break;
    }
}

// A basis: a standard one by address, 16 numbers, or null.
RtFloat (*basis(RequestInput &input))[4] {
    switch (input.choose(7)) {
    case 0: return RiBezierBasis;
    case 1: return RiBSplineBasis;
    case 2: return RiCatmullRomBasis;
    case 3: return RiHermiteBasis;
    case 4: return RiPowerBasis;
    case 5: return nullptr;
    default: return reinterpret_cast<RtFloat(*)[4]>(input.floats(16));
    }
}

RtFloat *optionalFloats(RequestInput &input, RtInt count) {
    return input.choose(8) == 0 ? nullptr : input.floats(count);
}

RtPointer handle(RequestInput &input) {
    return reinterpret_cast<RtPointer>(static_cast<intptr_t>(input.anyInt()));
}

void shader(RequestInput &input) {
    RtToken name = input.text();
    PairList list = input.params(model::uncounted());
    switch (input.choose(8)) {
    case 0: FORMS(list, Surface, name); break;
    case 1: FORMS(list, Displacement, name); break;
    case 2: FORMS(list, Atmosphere, name); break;
    case 3: FORMS(list, Interior, name); break;
    case 4: FORMS(list, Exterior, name); break;
    case 5: FORMS(list, Imager, name); break;
    case 6: FORMS(list, LightSource, name); break;
    default: FORMS(list, AreaLightSource, name); break;
    }
}

void quadric(RequestInput &input) {
    RtFloat a = input.number(), b = input.number(), c = input.number(), d = input.number(), e = input.number();
    PairList list = input.params(model::quadric());
    switch (input.choose(7)) {
    case 0: FORMS(list, Cone, a, b, c); break;
    case 1: FORMS(list, Cylinder, a, b, c, d); break;
    case 2: FORMS(list, Disk, a, b, c); break;
    case 3: {
        RtFloat *p1 = optionalFloats(input, 3);
        RtFloat *p2 = optionalFloats(input, 3);
        FORMS(list, Hyperboloid, p1, p2, a);
        break;
    }
    case 4: FORMS(list, Paraboloid, a, b, c, d); break;
    case 5: FORMS(list, Sphere, a, b, c, d); break;
    default: FORMS(list, Torus, a, b, c, d, e); break;
    }
}

void polygon(RequestInput &input) {
    switch (input.choose(4)) {
    case 0: {
        RtInt nvertices = input.count();
        PairList list = input.params(model::polygon(nvertices));
        FORMS(list, Polygon, nvertices);
        break;
    }
    case 1: {
        RtInt nloops = input.count();
        RtInt *nvertices = input.wildInts(nloops, -2, 8);
        PairList list = input.params(model::generalPolygon(nloops, nvertices));
        FORMS(list, GeneralPolygon, nloops, nvertices);
        break;
    }
    case 2: {
        RtInt npolys = input.count();
        RtInt *nvertices = input.ints(npolys, -2, 8);
        RtInt *vertices = input.wildInts(model::pointsPolygonsIndices(npolys, nvertices), -2, 24);
        PairList list = input.params(model::pointsPolygons(npolys, nvertices, vertices));
        FORMS(list, PointsPolygons, npolys, nvertices, vertices);
        break;
    }
    default: {
        RtInt npolys = input.count();
        RtInt *nloops = input.ints(npolys, -2, 4);
        RtInt *nvertices = input.ints(model::generalLoops(npolys, nloops), -2, 8);
        RtInt *vertices = input.wildInts(model::generalIndices(npolys, nloops, nvertices), -2, 24);
        PairList list = input.params(model::pointsGeneralPolygons(npolys, nloops, nvertices, vertices));
        FORMS(list, PointsGeneralPolygons, npolys, nloops, nvertices, vertices);
        break;
    }
    }
}

void patch(RequestInput &input) {
    switch (input.choose(4)) {
    case 0: {
        RtToken type = WORD(kPatchTypes);
        PairList list = input.params(model::patch(type));
        FORMS(list, Patch, type);
        break;
    }
    case 1: {
        RtToken type = WORD(kPatchTypes), uwrap = WORD(kWraps), vwrap = WORD(kWraps);
        RtInt nu = input.count(), nv = input.count();
        PairList list = input.params(model::patchMesh(type, nu, uwrap, nv, vwrap, steps.u, steps.v));
        FORMS(list, PatchMesh, type, nu, uwrap, nv, vwrap);
        break;
    }
    case 2: {
        RtInt nu = input.count(), uorder = input.count(), nv = input.count(), vorder = input.count();
        RtFloat *uknot = input.floats(model::knots(nu, uorder));
        RtFloat umin = input.number(), umax = input.number();
        RtFloat *vknot = input.floats(model::knots(nv, vorder));
        RtFloat vmin = input.number(), vmax = input.number();
        PairList list = input.params(model::nuPatch(nu, uorder, nv, vorder));
        FORMS(list, NuPatch, nu, uorder, uknot, umin, umax, nv, vorder, vknot, vmin, vmax);
        break;
    }
    default: {
        RtInt nloops = input.count();
        RtInt *ncurves = input.ints(nloops, -2, 4);
        const model::Count curves = model::trimCurves(nloops, ncurves);
        RtInt *order = input.ints(curves, -2, 5);
        RtFloat *min = input.floats(curves);
        RtFloat *max = input.floats(curves);
        RtInt *n = input.ints(curves, -2, 6);
        model::TrimCurve sizes = model::trimCurve(nloops, ncurves, order, n);
        RtFloat *knot = input.floats(sizes.knots);
        RtFloat *u = input.floats(sizes.points);
        RtFloat *v = input.floats(sizes.points);
        RtFloat *w = input.floats(sizes.points);
        RiTrimCurve(nloops, ncurves, order, knot, min, max, n, u, v, w);
        break;
    }
    }
}

void curvesAndPoints(RequestInput &input) {
    if (input.flag()) {
        RtToken type = WORD(kPatchTypes), wrap = WORD(kWraps);
        RtInt ncurves = input.count();
        RtInt *nvertices = input.wildInts(ncurves, -2, 10);
        PairList list = input.params(model::curves(type, ncurves, nvertices, wrap, steps.v));
        FORMS(list, Curves, type, ncurves, nvertices, wrap);
    } else {
        RtInt npoints = input.count();
        PairList list = input.params(model::points(npoints));
        FORMS(list, Points, npoints);
    }
}

void subdivisionMesh(RequestInput &input) {
    RtToken scheme = input.text();
    RtInt nfaces = input.count();
    RtInt *nvertices = input.ints(nfaces, -2, 6);
    RtInt *vertices = input.wildInts(model::pointsPolygonsIndices(nfaces, nvertices), -2, 20);
    RtInt ntags = input.count();
    RtToken *tags = input.strings(ntags);
    RtInt *nargs = input.ints(model::tagArguments(ntags, nullptr).nargs, -2, 4);
    model::TagArguments sizes = model::tagArguments(ntags, nargs);
    RtInt *intargs = input.wildInts(sizes.ints, -5, 20);
    RtFloat *floatargs = input.floats(sizes.floats);
    PairList list = input.params(model::pointsPolygons(nfaces, nvertices, vertices));
    FORMS(list, SubdivisionMesh, scheme, nfaces, nvertices, vertices, ntags, tags, nargs, intargs, floatargs);
}

void blobby(RequestInput &input) {
    RtInt nleaf = input.count(), ncode = input.count(), nflt = input.count(), nstr = input.count();
    // Opcodes near the real ones, operands as small indices.
    RtInt *code = input.wildInts(ncode, -2, 1010);
    for (RtInt i = 0; i < ncode; ++i)
        if (input.flag()) code[i] = input.choose(2) ? 1000 + input.choose(8) : input.choose(10);
    RtFloat *flt = input.floats(nflt);
    RtToken *str = input.strings(nstr);
    PairList list = input.params(model::blobby(nleaf));
    FORMS(list, Blobby, nleaf, ncode, code, nflt, flt, nstr, str);
}

void procedural(RequestInput &input) {
    RtProcSubdivFunc function = pick(input, kProcedurals);
    RtToken *data = nullptr;
    if (input.choose(6) != 0) data = input.strings(function == RiProcDelayedReadArchive ? 1 : 2);
    RiProcedural(data, optionalFloats(input, 6), function, input.flag() ? otherFree : nullptr);
}

void texture(RequestInput &input) {
    const char *picture = input.text(), *texture = input.text();
    RtFilterFunc filter = pick(input, kFilters);
    RtFloat s = input.number(), t = input.number();
    PairList list = input.params(model::uncounted());
    switch (input.choose(4)) {
    case 0: {
        RtToken swrap = input.text(), twrap = input.text();
        CONTEXT_FORMS(list, MakeTexture, picture, texture, swrap, twrap, filter, s, t);
        break;
    }
    case 1: CONTEXT_FORMS(list, MakeLatLongEnvironment, picture, texture, filter, s, t); break;
    case 2: {
        const char *px = input.text(), *nx = input.text(), *py = input.text(), *ny = input.text(), *pz = input.text(),
                   *nz = input.text();
        RtFloat fov = input.number();
        CONTEXT_FORMS(list, MakeCubeFaceEnvironment, px, nx, py, ny, pz, nz, texture, fov, filter, s, t);
        break;
    }
    default: CONTEXT_FORMS(list, MakeShadow, picture, texture); break;
    }
}

// A second stream opened and ended while the first stays open.
void secondStream(RequestInput &input) {
    RtContextHandle first = RiGetContext();
    RiBegin(kTarget);
    RiSphere(input.number(), -1, 1, 360, RI_NULL);
    RiDeclare(input.declaredName(), input.declaration());
    RiEnd();
    RiContext(first);
}

void request(RequestInput &input) {
    switch (input.choose(62)) {
    case 0: RiFrameBegin(input.anyInt()); break;
    case 1: RiFrameEnd(); break;
    case 2: RiWorldBegin(); break;
    case 3: RiWorldEnd(); break;
    case 4: RiFormat(input.anyInt(), input.anyInt(), input.number()); break;
    case 5: RiFrameAspectRatio(input.number()); break;
    case 6: RiScreenWindow(input.number(), input.number(), input.number(), input.number()); break;
    case 7: RiCropWindow(input.number(), input.number(), input.number(), input.number()); break;
    case 8: {
        RtToken name = input.text();
        PairList list = input.params(model::uncounted());
        FORMS(list, Projection, name);
        break;
    }
    case 9: RiClipping(input.number(), input.number()); break;
    case 10: RiDepthOfField(input.number(), input.number(), input.number()); break;
    case 11: RiShutter(input.number(), input.number()); break;
    case 12: RiPixelVariance(input.number()); break;
    case 13: RiPixelSamples(input.number(), input.number()); break;
    case 14: RiPixelFilter(pick(input, kFilters), input.number(), input.number()); break;
    case 15: RiExposure(input.number(), input.number()); break;
    case 16: RiQuantize(input.text(), input.anyInt(), input.anyInt(), input.anyInt(), input.number()); break;
    case 17: {
        const char *name = input.text();
        RtToken type = input.text(), mode = input.text();
        PairList list = input.params(model::uncounted());
        FORMS(list, Display, name, type, mode);
        break;
    }
    case 18: {
        RtToken type = input.text();
        PairList list = input.params(model::uncounted());
        FORMS(list, Hider, type);
        break;
    }
    case 19: {
        RtInt n = input.count();
        RtFloat *nRGB = input.floats(3 * n);
        RiColorSamples(n, nRGB, input.floats(3 * n));
        break;
    }
    case 20: RiRelativeDetail(input.number()); break;
    case 21: {
        RtToken name = WORD(kOptionNames);
        PairList list = input.params(model::uncounted());
        FORMS(list, Option, name);
        break;
    }
    case 22: input.flag() ? RiAttributeBegin() : RiAttributeEnd(); break;
    case 23: input.flag() ? RiColor(optionalFloats(input, 3)) : RiOpacity(optionalFloats(input, 3)); break;
    case 24:
        RiTextureCoordinates(input.number(), input.number(), input.number(), input.number(), input.number(),
                             input.number(), input.number(), input.number());
        break;
    case 25: RiShadingRate(input.number()); break;
    case 26: RiShadingInterpolation(input.text()); break;
    case 27: RiMatte(static_cast<RtBoolean>(input.anyInt())); break;
    case 28: input.flag() ? RiBound(optionalFloats(input, 6)) : RiDetail(optionalFloats(input, 6)); break;
    case 29: RiDetailRange(input.number(), input.number(), input.number(), input.number()); break;
    case 30: RiGeometricApproximation(input.text(), input.number()); break;
    case 31: RiGeometricRepresentation(input.text()); break;
    case 32: RiSides(input.anyInt()); break;
    case 33: input.flag() ? RiOrientation(input.text()) : RiReverseOrientation(); break;
    case 34: {
        RtToken name = input.text();
        PairList list = input.params(model::uncounted());
        FORMS(list, Attribute, name);
        break;
    }
    case 35: {
        RtFloat(*matrix)[4] = reinterpret_cast<RtFloat(*)[4]>(optionalFloats(input, 16));
        switch (input.choose(3)) {
        case 0: RiConcatTransform(matrix); break;
        case 1: RiTransform(matrix); break;
        default: RiIdentity(); break;
        }
        break;
    }
    case 36: RiPerspective(input.number()); break;
    case 37: RiTranslate(input.number(), input.number(), input.number()); break;
    case 38: RiRotate(input.number(), input.number(), input.number(), input.number()); break;
    case 39: RiScale(input.number(), input.number(), input.number()); break;
    case 40:
        RiSkew(input.number(), input.number(), input.number(), input.number(), input.number(), input.number(),
               input.number());
        break;
    case 41: input.flag() ? RiCoordinateSystem(input.text()) : RiCoordSysTransform(input.text()); break;
    case 42: {
        RtToken from = input.text(), to = input.text();
        RtInt n = input.count();
        RiTransformPoints(from, to, n, reinterpret_cast<RtPoint *>(input.floats(3 * n)));
        break;
    }
    case 43: input.flag() ? RiTransformBegin() : RiTransformEnd(); break;
    case 44: input.flag() ? motionBegin(input) : RiMotionEnd(); break;
    case 45: shader(input); break;
    case 46: RiIlluminate(handle(input), static_cast<RtBoolean>(input.anyInt())); break;
    case 47: quadric(input); break;
    case 48: polygon(input); break;
    case 49: {
        RtFloat(*ubasis)[4] = basis(input);
        steps.u = input.count();
        RtFloat(*vbasis)[4] = basis(input);
        steps.v = input.count();
        RiBasis(ubasis, steps.u, vbasis, steps.v);
        break;
    }
    case 50: patch(input); break;
    case 51: curvesAndPoints(input); break;
    case 52: subdivisionMesh(input); break;
    case 53: blobby(input); break;
    case 54: procedural(input); break;
    case 55: {
        RtToken type = input.text();
        PairList list = input.params(model::uncounted());
        FORMS(list, Geometry, type);
        break;
    }
    case 56:
        switch (input.choose(5)) {
        case 0: RiSolidBegin(input.text()); break;
        case 1: RiSolidEnd(); break;
        case 2: RiObjectBegin(); break;
        case 3: RiObjectEnd(); break;
        default: RiObjectInstance(handle(input)); break;
        }
        break;
    case 57: texture(input); break;
    case 58: RiDeclare(input.flag() ? input.declaredName() : input.token(), input.declaration()); break;
    case 59: archiveRecord(input); break;
    case 60:
        if (input.flag()) {
            RtToken name = input.text();
            RtArchiveCallback callback = input.flag() ? archiveCallback : nullptr;
            PairList list = input.params(model::uncounted());
            FORMS(list, ReadArchive, name, callback);
        } else {
            RiErrorHandler(pick(input, kHandlers));
        }
        break;
    default:
        if (input.flag())
            secondStream(input);
        else
            tooManyPairs(input, std::make_index_sequence<2 * kTooManyPairs>());
        break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    FuzzedDataProvider provider(data, size);
    RequestInput input(provider);
    RtToken format = input.flag() ? "binary" : "ascii";
    RiOption("rib", "format", &format, RI_NULL);
    RiBegin(kTarget);
    steps = BasisSteps();
    for (int i = 0; i < kMaxRequests && input.more(); ++i) {
        request(input);
        input.release();
    }
    RiEnd();
    return 0;
}
