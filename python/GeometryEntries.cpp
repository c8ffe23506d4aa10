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
        [name, entry](const Ri &, Number<N>... numbers, py::handle params) {
            requireContext(name);
            ParamDict list(params, quadricCounts());
            entry(numbers..., list.size(), list.tokens(), list.values());
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
        [](const Ri &, py::handle point1, py::handle point2, RtFloat thetamax, py::handle params) {
            requireContext("Hyperboloid");
            CallStorage storage;
            RtFloat *from = floatValues(point1, 3, "point1", storage).data;
            RtFloat *to = floatValues(point2, 3, "point2", storage).data;
            ParamDict list(params, quadricCounts());
            RiHyperboloidV(from, to, thetamax, list.size(), list.tokens(), list.values());
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
        [](const Ri &, RtInt nvertices, py::handle params) {
            requireContext("Polygon");
            ParamDict list(params, polygonCounts(nvertices));
            RiPolygonV(nvertices, list.size(), list.tokens(), list.values());
        },
        py::arg("nvertices"), params());
    ri.def(
        "GeneralPolygon",
        [](const Ri &, py::handle nvertices, py::handle params) {
            requireContext("GeneralPolygon");
            CallStorage storage;
            Values<RtInt> loops = intValues(nvertices, storage);
            ParamDict list(params, generalPolygonCounts(loops.count(), loops.data));
            RiGeneralPolygonV(loops.count(), loops.data, list.size(), list.tokens(), list.values());
        },
        py::arg("nvertices"), params());
    ri.def(
        "PointsPolygons",
        [](const Ri &, py::handle nvertices, py::handle vertices, py::handle params) {
            requireContext("PointsPolygons");
            CallStorage storage;
            Values<RtInt> sizes = intValues(nvertices, storage);
            Values<RtInt> indices = intValues(vertices, sumInts(sizes.data, sizes.count()), "vertices", storage);
            ParamDict list(params, pointsPolygonsShape(sizes.count(), sizes.data, indices.data).counts, indices);
            RiPointsPolygonsV(sizes.count(), sizes.data, indices.data, list.size(), list.tokens(), list.values());
        },
        py::arg("nvertices"), py::arg("vertices"), params());
    ri.def(
        "PointsGeneralPolygons",
        [](const Ri &, py::handle nloops, py::handle nvertices, py::handle vertices, py::handle params) {
            requireContext("PointsGeneralPolygons");
            CallStorage storage;
            Values<RtInt> loops = intValues(nloops, storage);
            Values<RtInt> sizes = intValues(nvertices, sumInts(loops.data, loops.count()), "nvertices", storage);
            Values<RtInt> indices = intValues(vertices, sumInts(sizes.data, sizes.count()), "vertices", storage);
            IndexedMeshShape shape = pointsGeneralPolygonsShape(loops.count(), loops.data, sizes.data, indices.data);
            ParamDict list(params, shape.counts, indices);
            RiPointsGeneralPolygonsV(loops.count(), loops.data, sizes.data, indices.data, list.size(), list.tokens(),
                                     list.values());
        },
        py::arg("nloops"), py::arg("nvertices"), py::arg("vertices"), params());
}

void bindPatches(RiClass &ri) {
    ri.def("Basis", [](const Ri &, py::handle ubasis, RtInt ustep, py::handle vbasis, RtInt vstep) {
        requireContext("Basis");
        CallStorage storage;
        RtFloat(*u)[4] = basisMatrix(ubasis, storage);
        RtFloat(*v)[4] = basisMatrix(vbasis, storage);
        RiBasis(u, ustep, v, vstep);
    });
    ri.def(
        "Patch",
        [](const Ri &, const char *type, py::handle params) {
            requireContext("Patch");
            ParamDict list(params, steppedCounts(patchCounts(type), type));
            RiPatchV(type, list.size(), list.tokens(), list.values());
        },
        py::arg("type"), params());
    ri.def(
        "PatchMesh",
        [](const Ri &, const char *type, RtInt nu, const char *uwrap, RtInt nv, const char *vwrap, py::handle params) {
            requireContext("PatchMesh");
            BasisSteps steps = currentSteps();
            ParamDict list(params, steppedCounts(patchMeshCounts(type, nu, uwrap, nv, vwrap, steps.u, steps.v), type));
            RiPatchMeshV(type, nu, uwrap, nv, vwrap, list.size(), list.tokens(), list.values());
        },
        py::arg("type"), py::arg("nu"), py::arg("uwrap"), py::arg("nv"), py::arg("vwrap"), params());
    ri.def("TrimCurve", [](const Ri &, py::handle ncurves, py::handle order, py::handle knot, py::handle min,
                           py::handle max, py::handle n, py::handle u, py::handle v, py::handle w) {
        requireContext("TrimCurve");
        CallStorage storage;
        Values<RtInt> loops = intValues(ncurves, storage);
        const RtInt curves = sumInts(loops.data, loops.count());
        Values<RtInt> orders = intValues(order, curves, "order", storage);
        Values<RtInt> points = intValues(n, curves, "n", storage);
        TrimCurveSizes sizes = trimCurveSizes(loops.count(), loops.data, orders.data, points.data);
        RiTrimCurve(loops.count(), loops.data, orders.data, floatValues(knot, sizes.knots, "knot", storage).data,
                    floatValues(min, curves, "min", storage).data, floatValues(max, curves, "max", storage).data,
                    points.data, floatValues(u, sizes.points, "u", storage).data,
                    floatValues(v, sizes.points, "v", storage).data, floatValues(w, sizes.points, "w", storage).data);
    });
    ri.def(
        "NuPatch",
        [](const Ri &, RtInt nu, RtInt uorder, py::handle uknot, RtFloat umin, RtFloat umax, RtInt nv, RtInt vorder,
           py::handle vknot, RtFloat vmin, RtFloat vmax, py::handle params) {
            requireContext("NuPatch");
            CallStorage storage;
            RtFloat *uknots = floatValues(uknot, knotCount(nu, uorder), "uknot", storage).data;
            RtFloat *vknots = floatValues(vknot, knotCount(nv, vorder), "vknot", storage).data;
            ParamDict list(params, nuPatchCounts(nu, uorder, nv, vorder));
            RiNuPatchV(nu, uorder, uknots, umin, umax, nv, vorder, vknots, vmin, vmax, list.size(), list.tokens(),
                       list.values());
        },
        py::arg("nu"), py::arg("uorder"), py::arg("uknot"), py::arg("umin"), py::arg("umax"), py::arg("nv"),
        py::arg("vorder"), py::arg("vknot"), py::arg("vmin"), py::arg("vmax"), params());
}

void bindCurvesPointsMeshes(RiClass &ri) {
    ri.def(
        "Curves",
        [](const Ri &, const char *type, py::handle nvertices, const char *wrap, py::handle params) {
            requireContext("Curves");
            CallStorage storage;
            Values<RtInt> sizes = intValues(nvertices, storage);
            SteppedCounts counts = curvesCounts(type, sizes.count(), sizes.data, wrap, currentSteps().v);
            ParamDict list(params, steppedCounts(counts, type));
            RiCurvesV(type, sizes.count(), sizes.data, wrap, list.size(), list.tokens(), list.values());
        },
        py::arg("type"), py::arg("nvertices"), py::arg("wrap"), params());
    ri.def(
        "Points",
        [](const Ri &, RtInt npoints, py::handle params) {
            requireContext("Points");
            ParamDict list(params, pointsCounts(npoints));
            RiPointsV(npoints, list.size(), list.tokens(), list.values());
        },
        py::arg("npoints"), params());
    ri.def(
        "SubdivisionMesh",
        [](const Ri &, const char *scheme, py::handle nvertices, py::handle vertices, py::handle tags, py::handle nargs,
           py::handle intargs, py::handle floatargs, py::handle params) {
            requireContext("SubdivisionMesh");
            CallStorage storage;
            Values<RtInt> sizes = intValues(nvertices, storage);
            Values<RtInt> indices = intValues(vertices, sumInts(sizes.data, sizes.count()), "vertices", storage);
            Values<RtToken> tagNames = stringValues(tags, storage);
            Values<RtInt> argCounts = intValues(nargs, 2 * static_cast<long long>(tagNames.size), "nargs", storage);
            TagArgSizes argSizes = subdivisionTagSizes(tagNames.count(), argCounts.data);
            Values<RtInt> ints = intValues(intargs, argSizes.ints, "intargs", storage);
            Values<RtFloat> floats = floatValues(floatargs, argSizes.floats, "floatargs", storage);
            IndexedMeshShape shape = subdivisionMeshShape(sizes.count(), sizes.data, indices.data);
            ParamDict list(params, shape.counts, indices);
            RiSubdivisionMeshV(scheme, sizes.count(), sizes.data, indices.data, tagNames.count(), tagNames.data,
                               argCounts.data, ints.data, floats.data, list.size(), list.tokens(), list.values());
        },
        py::arg("scheme"), py::arg("nvertices"), py::arg("vertices"), py::arg("tags") = py::tuple(),
        py::arg("nargs") = py::tuple(), py::arg("intargs") = py::tuple(), py::arg("floatargs") = py::tuple(), params());
    ri.def(
        "Blobby",
        [](const Ri &, RtInt nleaf, py::handle code, py::handle flt, py::handle str, py::handle params) {
            requireContext("Blobby");
            CallStorage storage;
            Values<RtInt> codes = intValues(code, storage);
            Values<RtFloat> floats = floatValues(flt, storage);
            Values<RtToken> strings = stringValues(str, storage);
            BlobbyScan scan = blobbyScan(codes.count(), codes.data);
            if (!scan.complete) throw py::value_error(kBlobbyCodes);
            if (scan.leaves != nleaf || scan.floats != floats.count() || scan.strings != strings.count())
                throw py::value_error(formatString(kBlobbyCounts, scan.leaves, scan.floats, scan.strings, nleaf,
                                                   floats.count(), strings.count()));
            ParamDict list(params, blobbyCounts(nleaf));
            RiBlobbyV(nleaf, codes.count(), codes.data, floats.count(), floats.data, strings.count(), strings.data,
                      list.size(), list.tokens(), list.values());
        },
        py::arg("nleaf"), py::arg("code"), py::arg("flt"), py::arg("str"), params());
    // The free function has no counterpart in a stream; it is never called.
    ri.def(
        "Procedural",
        [](const Ri &, py::handle data, py::handle bound, py::handle subdivfunc, py::handle) {
            requireContext("Procedural");
            CallStorage storage;
            RtProcSubdivFunc function = proceduralFunction(subdivfunc);
            Values<RtToken> strings = stringValues(data, storage);
            const int needed = function == RiProcDelayedReadArchive ? 1 : 2;
            if (strings.size != size_t(needed))
                throw py::value_error(formatString(kProceduralData, subdivfunc.attr("name").cast<std::string>().c_str(),
                                                   needed, strings.size));
            RtFloat *box = floatValues(bound, 6, "bound", storage).data;
            RiProcedural(strings.data, box, function, nullptr);
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
