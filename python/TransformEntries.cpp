// Transformation and coordinate-system entry points.
#include "python/Bindings.h"

namespace quillet {
namespace python {

namespace {

const char kPointTriples[] = "TransformPoints: points must hold a multiple of 3 values";

const Binding kTransformRequests[] = {
    {"Identity", fixedArguments<&RiIdentity>},
    {"ConcatTransform", floatArray<&RiConcatTransform, 16>},
    {"Transform", floatArray<&RiTransform, 16>},
    {"Perspective", fixedArguments<&RiPerspective>},
    {"Translate", fixedArguments<&RiTranslate>},
    {"Rotate", fixedArguments<&RiRotate>},
    {"Scale", fixedArguments<&RiScale>},
    {"Skew", fixedArguments<&RiSkew>},
    {"CoordinateSystem", fixedArguments<&RiCoordinateSystem>},
    {"ScopedCoordinateSystem", fixedArguments<&RiScopedCoordinateSystem>},
    {"CoordSysTransform", fixedArguments<&RiCoordSysTransform>},
};

}  // namespace

void bindTransformEntries(RiClass &ri) {
    bindTable(ri, kTransformRequests);
    // The stream cannot transform points: the C call returns null, and so
    // None comes back; a context that did would give the points it returned.
    ri.def(
        "TransformPoints",
        [](Ri &self, Name fromspace, Name tospace, FloatArray points) {
            Request request(self, "TransformPoints");
            FloatArg converted(points, "points");
            Values<RtFloat> values = converted.values();
            if (values.size % 3 != 0) throw py::value_error(kPointTriples);
            // The C side may transform in place: it gets a copy of its own.
            py::array_t<RtFloat> copy(static_cast<py::ssize_t>(values.size), values.data);
            const RtInt n = static_cast<RtInt>(values.size / 3);
            RtPoint *points3 = reinterpret_cast<RtPoint *>(copy.mutable_data());
            RtPoint *result = request.write([&] { return RiTransformPoints(fromspace, tospace, n, points3); });
            if (result == nullptr) return as<PointsResult>(py::none());
            return as<PointsResult>(py::array_t<RtFloat>({py::ssize_t(n), py::ssize_t(3)}, &result[0][0]));
        },
        py::arg("fromspace"), py::arg("tospace"), py::arg("points"), methodDoc("TransformPoints"));
}

}  // namespace python
}  // namespace quillet
