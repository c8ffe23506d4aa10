// Geometric entry points: every array is checked against the shared count
// rules before the call, so the C side never reads past the end of one.
#include <utility>

#include "python/Bindings.h"
#include "quillet/RibWriter.h"

namespace quillet {
namespace python {

namespace {

const char kUnknownPatchType[] = "unknown patch type \"%s\"";
const char kBadBasisStep[] = "bad basis step %d: set a basis with a step of 1 or more";
const char kBlobbyCodes[] = "Blobby: the code array ends inside an operator";
const char kBlobbyCounts[] = "Blobby: the code array asks for %d leaves, %d floats and %d strings; got %d, %d and %d";
const char kProceduralData[] = "Procedural: %s takes %d strings of data, got %zu";

auto params() {
    return py::arg("params") = py::none();
}

// The basis steps of the current stream, which PatchMesh and Curves count by.
struct BasisSteps {
    RtInt u;
    RtInt v;
};

BasisSteps currentSteps() {
    const RibWriter *writer = dynamic_cast<const RibWriter *>(static_cast<RenderContext *>(RiGetContext()));
    if (writer == nullptr) return BasisSteps{RI_BEZIERSTEP, RI_BEZIERSTEP};
    return BasisSteps{writer->uStep, writer->vStep};
}

ClassCounts steppedCounts(const SteppedCounts &result, RtToken type) {
    if (result.status == CountStatus::unknownPatchType)
        throw py::value_error(formatString(kUnknownPatchType, type != nullptr ? type : ""));
    if (result.status == CountStatus::badBasisStep) throw py::value_error(formatString(kBadBasisStep, result.badStep));
    return result.counts;
}

template <size_t>
using Number = RtFloat;

// A quadric: its N numbers as the C entry point takes them (named by names),
// then the parameter list sized by the quadric counts.
template <size_t... N, typename... Names>
void bindQuadric(RiClass &ri, const char *name, std::index_sequence<N...>,
                 RtVoid (*entry)(Number<N>..., RtInt, RtToken[], RtPointer[]), Names... names) {
    ri.def(
        name,
        [name, entry](Ri &self, Number<N>... numbers, py::handle params) {
            Request request(self, name);
            ParamDict list(params);
            list.bind(quadricCounts());
            request.write([&] { entry(numbers..., list.size(), list.tokens(), list.values()); });
        },
        names..., params());
}

void bindQuadrics(RiClass &ri) {
    bindQuadric(ri, "Cone", std::make_index_sequence<3>(), &RiConeV, py::arg("height"), py::arg("radius"),
                py::arg("thetamax"));
    bindQuadric(ri, "Cylinder", std::make_index_sequence<4>(), &RiCylinderV, py::arg("radius"), py::arg("zmin"),
                py::arg("zmax"), py::arg("thetamax"));
    bindQuadric(ri, "Disk", std::make_index_sequence<3>(), &RiDiskV, py::arg("height"), py::arg("radius"),
                py::arg("thetamax"));
    ri.def(
        "Hyperboloid",
        [](Ri &self, py::handle point1, py::handle point2, RtFloat thetamax, py::handle params) {
            Request request(self, "Hyperboloid");
            FloatArg fromArg(point1, "point1");
            FloatArg toArg(point2, "point2");
            ParamDict list(params);
            RtFloat *from = fromArg.values(3).data;
            RtFloat *to = toArg.values(3).data;
            list.bind(quadricCounts());
            request.write([&] { RiHyperboloidV(from, to, thetamax, list.size(), list.tokens(), list.values()); });
        },
        py::arg("point1"), py::arg("point2"), py::arg("thetamax"), params());
    bindQuadric(ri, "Paraboloid", std::make_index_sequence<4>(), &RiParaboloidV, py::arg("rmax"), py::arg("zmin"),
                py::arg("zmax"), py::arg("thetamax"));
    bindQuadric(ri, "Sphere", std::make_index_sequence<4>(), &RiSphereV, py::arg("radius"), py::arg("zmin"),
                py::arg("zmax"), py::arg("thetamax"));
    bindQuadric(ri, "Torus", std::make_index_sequence<5>(), &RiTorusV, py::arg("majorradius"), py::arg("minorradius"),
                py::arg("phimin"), py::arg("phimax"), py::arg("thetamax"));
}

void bindPolygons(RiClass &ri) {
    ri.def(
        "Polygon",
        [](Ri &self, RtInt nvertices, py::handle params) {
            Request request(self, "Polygon");
            ParamDict list(params);
            list.bind(polygonCounts(nvertices));
            request.write([&] { RiPolygonV(nvertices, list.size(), list.tokens(), list.values()); });
        },
        py::arg("nvertices"), params());
    ri.def(
        "GeneralPolygon",
        [](Ri &self, py::handle nvertices, py::handle params) {
            Request request(self, "GeneralPolygon");
            IntArg loopsArg(nvertices, "nvertices");
            ParamDict list(params);
            Values<RtInt> loops = loopsArg.values();
            list.bind(generalPolygonCounts(loops.count(), loops.data));
            request.write(
                [&] { RiGeneralPolygonV(loops.count(), loops.data, list.size(), list.tokens(), list.values()); });
        },
        py::arg("nvertices"), params());
    ri.def(
        "PointsPolygons",
        [](Ri &self, py::handle nvertices, py::handle vertices, py::handle params) {
            Request request(self, "PointsPolygons");
            IntArg sizesArg(nvertices, "nvertices");
            IntArg indicesArg(vertices, "vertices");
            ParamDict list(params);
            Values<RtInt> sizes = sizesArg.values();
            Values<RtInt> indices = indicesArg.values(sumInts(sizes.data, sizes.count()));
            list.bind(pointsPolygonsShape(sizes.count(), sizes.data, indices.data).counts);
            request.write([&] {
                RiPointsPolygonsV(sizes.count(), sizes.data, indices.data, list.size(), list.tokens(), list.values());
            });
        },
        py::arg("nvertices"), py::arg("vertices"), params());
    ri.def(
        "PointsGeneralPolygons",
        [](Ri &self, py::handle nloops, py::handle nvertices, py::handle vertices, py::handle params) {
            Request request(self, "PointsGeneralPolygons");
            IntArg loopsArg(nloops, "nloops");
            IntArg sizesArg(nvertices, "nvertices");
            IntArg indicesArg(vertices, "vertices");
            ParamDict list(params);
            Values<RtInt> loops = loopsArg.values();
            Values<RtInt> sizes = sizesArg.values(sumInts(loops.data, loops.count()));
            Values<RtInt> indices = indicesArg.values(sumInts(sizes.data, sizes.count()));
            list.bind(pointsGeneralPolygonsShape(loops.count(), loops.data, sizes.data, indices.data).counts);
            request.write([&] {
                RiPointsGeneralPolygonsV(loops.count(), loops.data, sizes.data, indices.data, list.size(),
                                         list.tokens(), list.values());
            });
        },
        py::arg("nloops"), py::arg("nvertices"), py::arg("vertices"), params());
}

void bindPatches(RiClass &ri) {
    ri.def("Basis", [](Ri &self, py::handle ubasis, RtInt ustep, py::handle vbasis, RtInt vstep) {
        Request request(self, "Basis");
        BasisArg u(ubasis);
        BasisArg v(vbasis);
        RtFloat(*uMatrix)[4] = u.matrix();
        RtFloat(*vMatrix)[4] = v.matrix();
        request.write([&] { RiBasis(uMatrix, ustep, vMatrix, vstep); });
    });
    ri.def(
        "Patch",
        [](Ri &self, Name type, py::handle params) {
            Request request(self, "Patch");
            ParamDict list(params);
            list.bind(steppedCounts(patchCounts(type), type));
            request.write([&] { RiPatchV(type, list.size(), list.tokens(), list.values()); });
        },
        py::arg("type"), params());
    ri.def(
        "PatchMesh",
        [](Ri &self, Name type, RtInt nu, Name uwrap, RtInt nv, Name vwrap, py::handle params) {
            Request request(self, "PatchMesh");
            ParamDict list(params);
            BasisSteps steps = currentSteps();
            list.bind(steppedCounts(patchMeshCounts(type, nu, uwrap, nv, vwrap, steps.u, steps.v), type));
            request.write([&] { RiPatchMeshV(type, nu, uwrap, nv, vwrap, list.size(), list.tokens(), list.values()); });
        },
        py::arg("type"), py::arg("nu"), py::arg("uwrap"), py::arg("nv"), py::arg("vwrap"), params());
    ri.def("TrimCurve", [](Ri &self, py::handle ncurves, py::handle order, py::handle knot, py::handle min,
                           py::handle max, py::handle n, py::handle u, py::handle v, py::handle w) {
        Request request(self, "TrimCurve");
        IntArg loopsArg(ncurves, "ncurves");
        IntArg ordersArg(order, "order");
        FloatArg knotArg(knot, "knot");
        FloatArg minArg(min, "min");
        FloatArg maxArg(max, "max");
        IntArg pointsArg(n, "n");
        FloatArg uArg(u, "u");
        FloatArg vArg(v, "v");
        FloatArg wArg(w, "w");
        Values<RtInt> loops = loopsArg.values();
        const RtInt curves = sumInts(loops.data, loops.count());
        Values<RtInt> orders = ordersArg.values(curves);
        Values<RtInt> points = pointsArg.values(curves);
        TrimCurveSizes sizes = trimCurveSizes(loops.count(), loops.data, orders.data, points.data);
        RtFloat *knots = knotArg.values(sizes.knots).data;
        RtFloat *mins = minArg.values(curves).data;
        RtFloat *maxs = maxArg.values(curves).data;
        RtFloat *us = uArg.values(sizes.points).data;
        RtFloat *vs = vArg.values(sizes.points).data;
        RtFloat *ws = wArg.values(sizes.points).data;
        request.write(
            [&] { RiTrimCurve(loops.count(), loops.data, orders.data, knots, mins, maxs, points.data, us, vs, ws); });
    });
    ri.def(
        "NuPatch",
        [](Ri &self, RtInt nu, RtInt uorder, py::handle uknot, RtFloat umin, RtFloat umax, RtInt nv, RtInt vorder,
           py::handle vknot, RtFloat vmin, RtFloat vmax, py::handle params) {
            Request request(self, "NuPatch");
            FloatArg uknotArg(uknot, "uknot");
            FloatArg vknotArg(vknot, "vknot");
            ParamDict list(params);
            RtFloat *uknots = uknotArg.values(knotCount(nu, uorder)).data;
            RtFloat *vknots = vknotArg.values(knotCount(nv, vorder)).data;
            list.bind(nuPatchCounts(nu, uorder, nv, vorder));
            request.write([&] {
                RiNuPatchV(nu, uorder, uknots, umin, umax, nv, vorder, vknots, vmin, vmax, list.size(), list.tokens(),
                           list.values());
            });
        },
        py::arg("nu"), py::arg("uorder"), py::arg("uknot"), py::arg("umin"), py::arg("umax"), py::arg("nv"),
        py::arg("vorder"), py::arg("vknot"), py::arg("vmin"), py::arg("vmax"), params());
}

void bindCurvesPointsMeshes(RiClass &ri) {
    ri.def(
        "Curves",
        [](Ri &self, Name type, py::handle nvertices, Name wrap, py::handle params) {
            Request request(self, "Curves");
            IntArg sizesArg(nvertices, "nvertices");
            ParamDict list(params);
            Values<RtInt> sizes = sizesArg.values();
            SteppedCounts counts = curvesCounts(type, sizes.count(), sizes.data, wrap, currentSteps().v);
            list.bind(steppedCounts(counts, type));
            request.write(
                [&] { RiCurvesV(type, sizes.count(), sizes.data, wrap, list.size(), list.tokens(), list.values()); });
        },
        py::arg("type"), py::arg("nvertices"), py::arg("wrap"), params());
    ri.def(
        "Points",
        [](Ri &self, RtInt npoints, py::handle params) {
            Request request(self, "Points");
            ParamDict list(params);
            list.bind(pointsCounts(npoints));
            request.write([&] { RiPointsV(npoints, list.size(), list.tokens(), list.values()); });
        },
        py::arg("npoints"), params());
    ri.def(
        "SubdivisionMesh",
        [](Ri &self, Name scheme, py::handle nvertices, py::handle vertices, py::handle tags, py::handle nargs,
           py::handle intargs, py::handle floatargs, py::handle params) {
            Request request(self, "SubdivisionMesh");
            IntArg sizesArg(nvertices, "nvertices");
            IntArg indicesArg(vertices, "vertices");
            StringArg tagsArg(tags, "tags");
            IntArg nargsArg(nargs, "nargs");
            IntArg intsArg(intargs, "intargs");
            FloatArg floatsArg(floatargs, "floatargs");
            ParamDict list(params);
            Values<RtInt> sizes = sizesArg.values();
            Values<RtInt> indices = indicesArg.values(sumInts(sizes.data, sizes.count()));
            Values<RtToken> tagNames = tagsArg.values();
            Values<RtInt> argCounts = nargsArg.values(2 * static_cast<long long>(tagNames.size));
            TagArgSizes argSizes = subdivisionTagSizes(tagNames.count(), argCounts.data);
            Values<RtInt> ints = intsArg.values(argSizes.ints);
            Values<RtFloat> floats = floatsArg.values(argSizes.floats);
            list.bind(subdivisionMeshShape(sizes.count(), sizes.data, indices.data).counts);
            request.write([&] {
                RiSubdivisionMeshV(scheme, sizes.count(), sizes.data, indices.data, tagNames.count(), tagNames.data,
                                   argCounts.data, ints.data, floats.data, list.size(), list.tokens(), list.values());
            });
        },
        py::arg("scheme"), py::arg("nvertices"), py::arg("vertices"), py::arg("tags") = py::tuple(),
        py::arg("nargs") = py::tuple(), py::arg("intargs") = py::tuple(), py::arg("floatargs") = py::tuple(), params());
    ri.def(
        "Blobby",
        [](Ri &self, RtInt nleaf, py::handle code, py::handle flt, py::handle str, py::handle params) {
            Request request(self, "Blobby");
            IntArg codesArg(code, "code");
            FloatArg floatsArg(flt, "flt");
            StringArg stringsArg(str, "str");
            ParamDict list(params);
            Values<RtInt> codes = codesArg.values();
            Values<RtFloat> floats = floatsArg.values();
            Values<RtToken> strings = stringsArg.values();
            BlobbyScan scan = blobbyScan(codes.count(), codes.data);
            if (!scan.complete) throw py::value_error(kBlobbyCodes);
            if (scan.leaves != nleaf || scan.floats != floats.count() || scan.strings != strings.count())
                throw py::value_error(formatString(kBlobbyCounts, scan.leaves, scan.floats, scan.strings, nleaf,
                                                   floats.count(), strings.count()));
            list.bind(blobbyCounts(nleaf));
            request.write([&] {
                RiBlobbyV(nleaf, codes.count(), codes.data, floats.count(), floats.data, strings.count(), strings.data,
                          list.size(), list.tokens(), list.values());
            });
        },
        py::arg("nleaf"), py::arg("code"), py::arg("flt"), py::arg("str"), params());
    // The free function has no counterpart in a stream; it is never called.
    ri.def(
        "Procedural",
        [](Ri &self, py::handle data, py::handle bound, py::handle subdivfunc, py::handle) {
            Request request(self, "Procedural");
            RtProcSubdivFunc function = proceduralFunction(subdivfunc);
            StringArg stringsArg(data, "data");
            FloatArg boundArg(bound, "bound");
            Values<RtToken> strings = stringsArg.values();
            const int needed = function == RiProcDelayedReadArchive ? 1 : 2;
            if (strings.size != size_t(needed))
                throw py::value_error(formatString(kProceduralData, subdivfunc.attr("name").cast<std::string>().c_str(),
                                                   needed, strings.size));
            RtFloat *box = boundArg.values(6).data;
            request.write([&] { RiProcedural(strings.data, box, function, nullptr); });
        },
        py::arg("data"), py::arg("bound"), py::arg("subdivfunc"), py::arg("freefunc") = py::none());
    bindNamedList(ri, "Geometry", &RiGeometryV);
}

}  // namespace

void bindGeometryEntries(RiClass &ri) {
    bindQuadrics(ri);
    bindPolygons(ri);
    bindPatches(ri);
    bindCurvesPointsMeshes(ri);
}

}  // namespace python
}  // namespace quillet
