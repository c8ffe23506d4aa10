// Attribute, shader and light entry points.
#include "python/Bindings.h"

namespace quillet {
namespace python {

namespace {

template <typename Entry>
void bindLightSource(RiClass &ri, const char *name, Entry entry) {
    ri.def(
        name,
        [name, entry](Ri &self, Name shader, ParamList params, HandleName handleid) {
            Request request(self, name);
            ParamDict list(params);
            list.nameHandle(handleid);
            list.bind(uncountedCounts());
            return handleNumber(
                request.write([&] { return entry(shader, list.size(), list.tokens(), list.values()); }));
        },
        py::arg("name"), params(), py::arg("handleid") = py::none(), methodDoc(name));
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
    bindListed(ri, "Attribute", &RiAttributeV, Uncounted());
    bindListed(ri, "Surface", &RiSurfaceV, Uncounted());
    bindListed(ri, "Displacement", &RiDisplacementV, Uncounted());
    bindListed(ri, "Atmosphere", &RiAtmosphereV, Uncounted());
    bindListed(ri, "Interior", &RiInteriorV, Uncounted());
    bindListed(ri, "Exterior", &RiExteriorV, Uncounted());
    bindListed(ri, "Imager", &RiImagerV, Uncounted());
    bindLightSource(ri, "LightSource", &RiLightSourceV);
    bindLightSource(ri, "AreaLightSource", &RiAreaLightSourceV);
    bindFixed(ri, "Illuminate", &RiIlluminate);
}

}  // namespace python
}  // namespace quillet
