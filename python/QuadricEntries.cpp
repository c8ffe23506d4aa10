// Quadric entry points: the fixed numbers, then a parameter list sized by the
// quadric counts.
#include "python/Bindings.h"

namespace quillet {
namespace python {

void bindQuadricEntries(RiClass &ri) {
    bindListed(ri, "Cone", &RiConeV, SameCounts<quadricCounts>());
    bindListed(ri, "Cylinder", &RiCylinderV, SameCounts<quadricCounts>());
    bindListed(ri, "Disk", &RiDiskV, SameCounts<quadricCounts>());
    ri.def(
        "Hyperboloid",
        [](Ri &self, FloatArray point1, FloatArray point2, RtFloat thetamax, ParamList params) {
            Request request(self, "Hyperboloid");
            FloatArg fromArg(point1, "point1");
            FloatArg toArg(point2, "point2");
            ParamDict list(params);
            RtFloat *from = fromArg.values(3).data;
            RtFloat *to = toArg.values(3).data;
            list.bind(quadricCounts());
            request.write([&] { RiHyperboloidV(from, to, thetamax, list.size(), list.tokens(), list.values()); });
        },
        py::arg("point1"), py::arg("point2"), py::arg("thetamax"), params(), methodDoc("Hyperboloid"));
    bindListed(ri, "Paraboloid", &RiParaboloidV, SameCounts<quadricCounts>());
    bindListed(ri, "Sphere", &RiSphereV, SameCounts<quadricCounts>());
    bindListed(ri, "Torus", &RiTorusV, SameCounts<quadricCounts>());
}

}  // namespace python
}  // namespace quillet
