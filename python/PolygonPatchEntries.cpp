// Polygon and patch entry points: every array is checked against the shared
// count rules before the call, so the C side never reads past the end of one.
#include "python/BasisSteps.h"
#include "python/Bindings.h"

namespace quillet {
namespace python {

void bindPolygonPatchEntries(RiClass &ri) {
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
            list.requireIndicesInRange(indices);
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
            list.requireIndicesInRange(indices);
            list.bind(pointsGeneralPolygonsShape(loops.count(), loops.data, sizes.data, indices.data).counts);
            request.write([&] {
                RiPointsGeneralPolygonsV(loops.count(), loops.data, sizes.data, indices.data, list.size(),
                                         list.tokens(), list.values());
            });
        },
        py::arg("nloops"), py::arg("nvertices"), py::arg("vertices"), params());
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
            BasisSteps steps = currentSteps(request.stream());
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

}  // namespace python
}  // namespace quillet
