// Entry points that make texture, environment and shadow maps.
#include "python/Bindings.h"

namespace quillet {
namespace python {

void bindTextureEntries(RiClass &ri) {
    ri.def(
        "MakeTexture",
        [](const Ri &, const char *picturename, const char *texturename, const char *swrap, const char *twrap,
           py::handle filterfunc, RtFloat swidth, RtFloat twidth, py::handle params) {
            requireContext("MakeTexture");
            RtFilterFunc filter = filterFunction(filterfunc);
            ParamDict list(params, uncountedCounts());
            RiMakeTextureV(picturename, texturename, swrap, twrap, filter, swidth, twidth, list.size(), list.tokens(),
                           list.values());
        },
        py::arg("picturename"), py::arg("texturename"), py::arg("swrap"), py::arg("twrap"), py::arg("filterfunc"),
        py::arg("swidth"), py::arg("twidth"), py::arg("params") = py::none());
    ri.def(
        "MakeLatLongEnvironment",
        [](const Ri &, const char *picturename, const char *texturename, py::handle filterfunc, RtFloat swidth,
           RtFloat twidth, py::handle params) {
            requireContext("MakeLatLongEnvironment");
            RtFilterFunc filter = filterFunction(filterfunc);
            ParamDict list(params, uncountedCounts());
            RiMakeLatLongEnvironmentV(picturename, texturename, filter, swidth, twidth, list.size(), list.tokens(),
                                      list.values());
        },
        py::arg("picturename"), py::arg("texturename"), py::arg("filterfunc"), py::arg("swidth"), py::arg("twidth"),
        py::arg("params") = py::none());
    ri.def(
        "MakeCubeFaceEnvironment",
        [](const Ri &, const char *px, const char *nx, const char *py, const char *ny, const char *pz, const char *nz,
           const char *texturename, RtFloat fov, py::handle filterfunc, RtFloat swidth, RtFloat twidth,
           py::handle params) {
            requireContext("MakeCubeFaceEnvironment");
            RtFilterFunc filter = filterFunction(filterfunc);
            ParamDict list(params, uncountedCounts());
            RiMakeCubeFaceEnvironmentV(px, nx, py, ny, pz, nz, texturename, fov, filter, swidth, twidth, list.size(),
                                       list.tokens(), list.values());
        },
        py::arg("px"), py::arg("nx"), py::arg("py"), py::arg("ny"), py::arg("pz"), py::arg("nz"),
        py::arg("texturename"), py::arg("fov"), py::arg("filterfunc"), py::arg("swidth"), py::arg("twidth"),
        py::arg("params") = py::none());
    ri.def(
        "MakeShadow",
        [](const Ri &, const char *picturename, const char *texturename, py::handle params) {
            requireContext("MakeShadow");
            ParamDict list(params, uncountedCounts());
            RiMakeShadowV(picturename, texturename, list.size(), list.tokens(), list.values());
        },
        py::arg("picturename"), py::arg("texturename"), py::arg("params") = py::none());
}

}  // namespace python
}  // namespace quillet
