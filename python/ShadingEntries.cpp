// Attribute, shader and light entry points.
#include "python/Bindings.h"

namespace quillet {
namespace python {

namespace {

template <typename Entry>
void bindLightSource(RiClass &ri, const char *name, Entry entry) {
    ri.def(
        name,
        [name, entry](Ri &self, Name shader, py::handle params, py::handle handleid) {
            Request request(self, name);
            ParamDict list(params);
            list.nameHandle(handleid);
            list.bind(uncountedCounts());
            return handleNumber(
                request.write([&] { return entry(shader, list.size(), list.tokens(), list.values()); }));
        },
        py::arg("name"), py::arg("params") = py::none(), py::arg("handleid") = py::none());
}

}  // namespace

void bindShadingEntries(RiClass &ri) {
    bindFloatArray(ri, "Color", &RiColor, 3);
    bindFloatArray(ri, "Opacity", &RiOpacity, 3);
    bindFixed(ri, "TextureCoordinates", &RiTextureCoordinates);
    bindFixed(ri, "ShadingRate", &RiShadingRate);
    bindFixed(ri, "ShadingInterpolation", &RiShadingInterpolation);
    bindFixed(ri, "Matte", &RiMatte);
    bindFloatArray(ri, "Bound", &RiBound, 6);
    bindFloatArray(ri, "Detail", &RiDetail, 6);
    bindFixed(ri, "DetailRange", &RiDetailRange);
    bindFixed(ri, "GeometricApproximation", &RiGeometricApproximation);
    bindFixed(ri, "GeometricRepresentation", &RiGeometricRepresentation);
    bindFixed(ri, "Sides", &RiSides);
    bindFixed(ri, "Orientation", &RiOrientation);
    bindFixed(ri, "ReverseOrientation", &RiReverseOrientation);
    bindNamedList(ri, "Attribute", &RiAttributeV);
    bindNamedList(ri, "Surface", &RiSurfaceV);
    bindNamedList(ri, "Displacement", &RiDisplacementV);
    bindNamedList(ri, "Atmosphere", &RiAtmosphereV);
    bindNamedList(ri, "Interior", &RiInteriorV);
    bindNamedList(ri, "Exterior", &RiExteriorV);
    bindNamedList(ri, "Imager", &RiImagerV);
    bindLightSource(ri, "LightSource", &RiLightSourceV);
    bindLightSource(ri, "AreaLightSource", &RiAreaLightSourceV);
    ri.def("Illuminate", [](Ri &self, intptr_t light, RtBoolean onoff) {
        Request(self, "Illuminate").write([&] { RiIlluminate(handlePointer(light), onoff); });
    });
}

}  // namespace python
}  // namespace quillet
