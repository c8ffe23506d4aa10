// Quadric entry points: the fixed numbers, then a parameter list sized by the
// quadric counts.
#include <utility>

#include "python/Bindings.h"

namespace quillet {
namespace python {

namespace {

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

}  // namespace

void bindQuadricEntries(RiClass &ri) {
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

}  // namespace python
}  // namespace quillet
