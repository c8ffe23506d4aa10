// Attribute, shader and light entry points.
#include "python/Bindings.h"

namespace quillet {
namespace python {

namespace {

// A light: its shader and parameters, then the name of its handle.
template <auto entry>
void lightSource(RiClass &ri, const char *name) {
    ri.def(
        name,
        [name](Ri &self, Name shader, ParamList params, OptionalName handleid) {
            Request request(self, name);
            ParamDict list(params);
            list.nameHandle(handleid);
            list.bind(uncountedCounts());
            return handleNumber(
                request.write([&] { return entry(shader, list.size(), list.tokens(), list.values()); }));
        },
        py::arg("name"), params(), py::arg("handleid") = py::none(), methodDoc(name));
}

const Binding kShadingRequests[] = {
    {"Color", floatArray<&RiColor, 3>},
    {"Opacity", floatArray<&RiOpacity, 3>},
    {"TextureCoordinates", fixedArguments<&RiTextureCoordinates>},
    {"ShadingRate", fixedArguments<&RiShadingRate>},
    {"ShadingInterpolation", fixedArguments<&RiShadingInterpolation>},
    {"Matte", fixedArguments<&RiMatte>},
    {"Bound", floatArray<&RiBound, 6>},
    {"Detail", floatArray<&RiDetail, 6>},
    {"DetailRange", fixedArguments<&RiDetailRange>},
    {"GeometricApproximation", fixedArguments<&RiGeometricApproximation>},
    {"GeometricRepresentation", fixedArguments<&RiGeometricRepresentation>},
    {"Sides", fixedArguments<&RiSides>},
    {"Orientation", fixedArguments<&RiOrientation>},
    {"ReverseOrientation", fixedArguments<&RiReverseOrientation>},
    {"Attribute", withList<&RiAttributeV>},
    {"Surface", withList<&RiSurfaceV>},
    {"Displacement", withList<&RiDisplacementV>},
    {"Atmosphere", withList<&RiAtmosphereV>},
    {"Interior", withList<&RiInteriorV>},
    {"Exterior", withList<&RiExteriorV>},
    {"Imager", withList<&RiImagerV>},
    {"LightSource", lightSource<&RiLightSourceV>},
    {"AreaLightSource", lightSource<&RiAreaLightSourceV>},
    {"Illuminate", fixedArguments<&RiIlluminate>},
};

}  // namespace

void bindShadingEntries(RiClass &ri) {
    bindTable(ri, kShadingRequests);
}

}  // namespace python
}  // namespace quillet
