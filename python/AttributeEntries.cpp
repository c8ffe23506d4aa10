// Attribute, transform, motion, shader and light entry points.
#include "python/Bindings.h"

namespace quillet {
namespace python {

namespace {

const char kPointTriples[] = "TransformPoints: points must hold a multiple of 3 values";

template <typename Entry>
void bindLightSource(RiClass &ri, const char *name, Entry entry) {
    ri.def(
        name,
        [name, entry](Ri &self, Name shader, py::handle params) {
            Request request(self, name);
            ParamDict list(params);
            list.bind(uncountedCounts());
            return handleNumber(
                request.write([&] { return entry(shader, list.size(), list.tokens(), list.values()); }));
        },
        py::arg("name"), py::arg("params") = py::none());
}

}  // namespace

void bindAttributeEntries(RiClass &ri) {
    bindFixed(ri, "AttributeBegin", &RiAttributeBegin);
    bindFixed(ri, "AttributeEnd", &RiAttributeEnd);
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

    bindFixed(ri, "Identity", &RiIdentity);
    bindFloatArray(ri, "ConcatTransform", &RiConcatTransform, 16);
    bindFloatArray(ri, "Transform", &RiTransform, 16);
    bindFixed(ri, "Perspective", &RiPerspective);
    bindFixed(ri, "Translate", &RiTranslate);
    bindFixed(ri, "Rotate", &RiRotate);
    bindFixed(ri, "Scale", &RiScale);
    bindFixed(ri, "Skew", &RiSkew);
    bindFixed(ri, "CoordinateSystem", &RiCoordinateSystem);
    bindFixed(ri, "CoordSysTransform", &RiCoordSysTransform);
    // The stream cannot transform points: the C call returns null, and so
    // None comes back; a context that did would give the points it returned.
    ri.def("TransformPoints", [](Ri &self, Name fromspace, Name tospace, py::handle points) {
        Request request(self, "TransformPoints");
        FloatArg converted(points, "points");
        Values<RtFloat> values = converted.values();
        if (values.size % 3 != 0) throw py::value_error(kPointTriples);
        // The C side may transform in place: it gets a copy of its own.
        py::array_t<RtFloat> copy(static_cast<py::ssize_t>(values.size), values.data);
        const RtInt n = static_cast<RtInt>(values.size / 3);
        RtPoint *points3 = reinterpret_cast<RtPoint *>(copy.mutable_data());
        RtPoint *result = request.write([&] { return RiTransformPoints(fromspace, tospace, n, points3); });
        if (result == nullptr) return py::object(py::none());
        return py::object(py::array_t<RtFloat>({py::ssize_t(n), py::ssize_t(3)}, &result[0][0]));
    });
    bindFixed(ri, "TransformBegin", &RiTransformBegin);
    bindFixed(ri, "TransformEnd", &RiTransformEnd);

    ri.def("MotionBegin", [](Ri &self, py::handle times) {
        Request request(self, "MotionBegin");
        FloatArg converted(times, "times");
        Values<RtFloat> values = converted.values();
        request.write([&] { RiMotionBeginV(values.count(), values.data); });
    });
    bindFixed(ri, "MotionEnd", &RiMotionEnd);

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
