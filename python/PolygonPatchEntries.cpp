// Polygon and patch entry points: every array is checked against the shared
// count rules before the call, so the C side never reads past the end of one.
#include "python/BasisSteps.h"
#include "python/Bindings.h"

namespace quillet {
namespace python {

namespace {

// The counts of a patch, and of a patch mesh under the stream's basis steps.
ClassCounts checkedPatchCounts(RtToken type) {
    return steppedCounts(patchCounts(type), type);
}

ClassCounts checkedPatchMeshCounts(RtToken type, RtInt nu, RtToken uwrap, RtInt nv, RtToken vwrap) {
    BasisSteps steps = currentSteps();
    return steppedCounts(patchMeshCounts(type, nu, uwrap, nv, vwrap, steps.u, steps.v), type);
}

const Binding kPolygonPatchRequests[] = {
    {"Polygon", withList<&RiPolygonV, CountsOf<&polygonCounts>>},
    {"Patch", withList<&RiPatchV, CountsOf<&checkedPatchCounts>>},
    {"PatchMesh", withList<&RiPatchMeshV, CountsOf<&checkedPatchMeshCounts>>},
};

}  // namespace

void bindPolygonPatchEntries(RiClass &ri) {
    bindTable(ri, kPolygonPatchRequests);
    ri.def(
        "GeneralPolygon",
        [](Ri &self, IntArray nvertices, ParamList params) {
            Request request(self, "GeneralPolygon");
            IntArg loopsArg(nvertices, "nvertices");
            ParamDict list(params);
            Values<RtInt> loops = loopsArg.values();
            list.bind(generalPolygonCounts(loops.count(), loops.data));
            request.write(
                [&] { RiGeneralPolygonV(loops.count(), loops.data, list.size(), list.tokens(), list.values()); });
        },
        py::arg("nvertices"), params(), methodDoc("GeneralPolygon"));
    ri.def(
        "PointsPolygons",
        [](Ri &self, IntArray nvertices, IntArray vertices, ParamList params) {
            Request request(self, "PointsPolygons");
            MeshArrays mesh(nvertices, vertices);
            ParamDict list(params);
            mesh.take();
            list.requireIndicesInRange(mesh.indices);
            list.bind(pointsPolygonsShape(mesh.faces(), mesh.sizes.data, mesh.indices.data).counts);
            request.write([&] {
                RiPointsPolygonsV(mesh.faces(), mesh.sizes.data, mesh.indices.data, list.size(), list.tokens(),
                                  list.values());
            });
        },
        py::arg("nvertices"), py::arg("vertices"), params(), methodDoc("PointsPolygons"));
    ri.def(
        "PointsGeneralPolygons",
        [](Ri &self, IntArray nloops, IntArray nvertices, IntArray vertices, ParamList params) {
            Request request(self, "PointsGeneralPolygons");
            IntArg loopsArg(nloops, "nloops");
            MeshArrays mesh(nvertices, vertices);
            ParamDict list(params);
            Values<RtInt> loops = loopsArg.values();
            mesh.take(sumInts(loops.data, loops.count()));
            list.requireIndicesInRange(mesh.indices);
            RtInt *sizes = mesh.sizes.data;
            list.bind(pointsGeneralPolygonsShape(loops.count(), loops.data, sizes, mesh.indices.data).counts);
            request.write([&] {
                RiPointsGeneralPolygonsV(loops.count(), loops.data, sizes, mesh.indices.data, list.size(),
                                         list.tokens(), list.values());
            });
        },
        py::arg("nloops"), py::arg("nvertices"), py::arg("vertices"), params(), methodDoc("PointsGeneralPolygons"));
    ri.def(
        "Basis",
        [](Ri &self, BasisValue ubasis, RtInt ustep, BasisValue vbasis, RtInt vstep) {
            Request request(self, "Basis");
            BasisArg u(ubasis);
            BasisArg v(vbasis);
            RtFloat(*uMatrix)[4] = u.matrix();
            RtFloat(*vMatrix)[4] = v.matrix();
            request.write([&] { RiBasis(uMatrix, ustep, vMatrix, vstep); });
        },
        py::arg("ubasis"), py::arg("ustep"), py::arg("vbasis"), py::arg("vstep"), methodDoc("Basis"));
    ri.def(
        "TrimCurve",
        [](Ri &self, IntArray ncurves, IntArray order, FloatArray knot, FloatArray min, FloatArray max, IntArray n,
           FloatArray u, FloatArray v, FloatArray w) {
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
            request.write([&] {
                RiTrimCurve(loops.count(), loops.data, orders.data, knots, mins, maxs, points.data, us, vs, ws);
            });
        },
        py::arg("ncurves"), py::arg("order"), py::arg("knot"), py::arg("min"), py::arg("max"), py::arg("n"),
        py::arg("u"), py::arg("v"), py::arg("w"), methodDoc("TrimCurve"));
    ri.def(
        "NuPatch",
        [](Ri &self, RtInt nu, RtInt uorder, FloatArray uknot, RtFloat umin, RtFloat umax, RtInt nv, RtInt vorder,
           FloatArray vknot, RtFloat vmin, RtFloat vmax, ParamList params) {
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
        py::arg("vorder"), py::arg("vknot"), py::arg("vmin"), py::arg("vmax"), params(), methodDoc("NuPatch"));
}

}  // namespace python
}  // namespace quillet
