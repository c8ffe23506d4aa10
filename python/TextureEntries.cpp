// Entry points that make texture, environment and shadow maps.
#include "python/Bindings.h"

namespace quillet {
namespace python {

void bindTextureEntries(RiClass &ri) {
    ri.def(
        "MakeTexture",
        [](Ri &self, Name picturename, Name texturename, Name swrap, Name twrap, py::handle filterfunc, RtFloat swidth,
           RtFloat twidth, py::handle params) {
            Request request(self, "MakeTexture");
            RtFilterFunc filter = filterFunction(filterfunc);
            ParamDict list(params);
            list.bind(uncountedCounts());
            request.write([&] {
                RiMakeTextureV(picturename, texturename, swrap, twrap, filter, swidth, twidth, list.size(),
                               list.tokens(), list.values());
            });
        },
        py::arg("picturename"), py::arg("texturename"), py::arg("swrap"), py::arg("twrap"), py::arg("filterfunc"),
        py::arg("swidth"), py::arg("twidth"), py::arg("params") = py::none());
    ri.def(
        "MakeLatLongEnvironment",
        [](Ri &self, Name picturename, Name texturename, py::handle filterfunc, RtFloat swidth, RtFloat twidth,
           py::handle params) {
            Request request(self, "MakeLatLongEnvironment");
            RtFilterFunc filter = filterFunction(filterfunc);
            ParamDict list(params);
            list.bind(uncountedCounts());
            request.write([&] {
                RiMakeLatLongEnvironmentV(picturename, texturename, filter, swidth, twidth, list.size(), list.tokens(),
                                          list.values());
            });
        },
        py::arg("picturename"), py::arg("texturename"), py::arg("filterfunc"), py::arg("swidth"), py::arg("twidth"),
        py::arg("params") = py::none());
    ri.def(
        "MakeCubeFaceEnvironment",
        [](Ri &self, Name px, Name nx, Name py, Name ny, Name pz, Name nz, Name texturename, RtFloat fov,
           py::handle filterfunc, RtFloat swidth, RtFloat twidth, py::handle params) {
            Request request(self, "MakeCubeFaceEnvironment");
            RtFilterFunc filter = filterFunction(filterfunc);
            ParamDict list(params);
            list.bind(uncountedCounts());
            request.write([&] {
                RiMakeCubeFaceEnvironmentV(px, nx, py, ny, pz, nz, texturename, fov, filter, swidth, twidth,
                                           list.size(), list.tokens(), list.values());
            });
        },
        py::arg("px"), py::arg("nx"), py::arg("py"), py::arg("ny"), py::arg("pz"), py::arg("nz"),
        py::arg("texturename"), py::arg("fov"), py::arg("filterfunc"), py::arg("swidth"), py::arg("twidth"),
        py::arg("params") = py::none());
    ri.def(
        "MakeShadow",
        [](Ri &self, Name picturename, Name texturename, py::handle params) {
            Request request(self, "MakeShadow");
            ParamDict list(params);
            list.bind(uncountedCounts());
            request.write([&] { RiMakeShadowV(picturename, texturename, list.size(), list.tokens(), list.values()); });
        },
        py::arg("picturename"), py::arg("texturename"), py::arg("params") = py::none());
}

}  // namespace python
}  // namespace quillet
