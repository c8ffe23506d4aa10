// Quadric entry points: the fixed numbers, then a parameter list sized by the
// quadric counts.
#include "python/Bindings.h"

namespace quillet {
namespace python {

namespace {

const Binding kQuadricRequests[] = {
    {"Cone", withList<&RiConeV, SameCounts<quadricCounts>>},
    {"Cylinder", withList<&RiCylinderV, SameCounts<quadricCounts>>},
    {"Disk", withList<&RiDiskV, SameCounts<quadricCounts>>},
    {"Paraboloid", withList<&RiParaboloidV, SameCounts<quadricCounts>>},
    {"Sphere", withList<&RiSphereV, SameCounts<quadricCounts>>},
    {"Torus", withList<&RiTorusV, SameCounts<quadricCounts>>},
};

}  // namespace

void bindQuadricEntries(RiClass &ri) {
    bindTable(ri, kQuadricRequests);
    ri.def(
        "Hyperboloid",
        [](Ri &self, FloatArray point1, FloatArray point2, RtFloat thetamax, ParamList params) {
            Request request(self, "Hyperboloid");
            const FloatArg ends[] = {FloatArg(point1, "point1"), FloatArg(point2, "point2")};
            ParamDict list(params);
            RtFloat *from = ends[0].values(3).data;
            RtFloat *to = ends[1].values(3).data;
            list.bind(quadricCounts());
            request.write([&] { RiHyperboloidV(from, to, thetamax, list.size(), list.tokens(), list.values()); });
        },
        py::arg("point1"), py::arg("point2"), py::arg("thetamax"), params(), methodDoc("Hyperboloid"));
}

}  // namespace python
}  // namespace quillet
