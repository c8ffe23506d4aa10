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
        [name, entry](const Ri &, Number<N>... numbers, py::handle params) {
            requireContext(name);
            ParamDict list(params, quadricCounts());
            entry(numbers..., list.size(), list.tokens(), list.values());
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

}  // namespace python
}  // namespace quillet
