// Polygon and patch entry points: every array is checked against the shared
// count rules before the call, so the C side never reads past the end of one.
#include "python/BasisSteps.h"
#include "python/Bindings.h"

namespace quillet {
namespace python {

void bindPolygonPatchEntries(RiClass &ri) {
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

}  // namespace python
}  // namespace quillet
