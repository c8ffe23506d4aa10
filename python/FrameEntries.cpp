// Context, frame, camera and option entry points.
#include <cstdio>

#include "python/Bindings.h"
#include "ri/CurrentContext.h"
#include "rib/StreamOptions.h"
#include "rib/StreamTarget.h"

namespace quillet {
namespace python {

namespace {

const char kNotAContext[] = "expected a handle from GetContext() or None";
const char kEndedContext[] = "Context: the stream of this handle has ended";
const char kColorSamplesShape[] = "ColorSamples: nRGB and RGBn must hold the same multiple of 3 values";

// What GetContext returns: an opaque handle for Context.
struct ContextHandle {
    RtContextHandle handle;
};

// The C library ends the process when it cannot create a file; trying it here
// first turns that into OSError, with nothing written.
void requireWritableFile(const char *name) {
    if (!isFileTarget(name)) return;
    FILE *file = std::fopen(name, "wb");
    if (file == nullptr) {
        PyErr_SetFromErrnoWithFilename(PyExc_OSError, name);
        throw py::error_already_set();
    }
    std::fclose(file);
}

}  // namespace

void bindFrameEntries(RiClass &ri) {
    py::class_<ContextHandle>(ri, "ContextHandle");
    ri.def(
        "Begin",
        [](Ri &self, Name name) {
            requireWritableFile(name);
            self.streamChanged();
            RiBegin(name);
        },
        py::arg("name") = py::none());
    ri.def("End", [](Ri &self) {
        Request request(self, "End");
        self.streamChanged();
        RiEnd();
        // A stream on the standard output stream reaches it before any
        // later output of Python's own.
        std::fflush(stdout);
    });
    ri.def("GetContext", [](Ri &) -> py::object {
        RtContextHandle handle = RiGetContext();
        if (handle == nullptr) return py::none();
        return py::cast(ContextHandle{handle});
    });
    ri.def("Context", [](Ri &self, py::handle handle) {
        self.streamChanged();
        if (handle.is_none())
            RiContext(nullptr);
        else if (!py::isinstance<ContextHandle>(handle))
            throw py::type_error(kNotAContext);
        else if (!isLiveContext(handle.cast<const ContextHandle &>().handle))
            raiseError(kEndedContext);
        else
            RiContext(handle.cast<const ContextHandle &>().handle);
    });

    bindFixed(ri, "FrameBegin", &RiFrameBegin);
    bindFixed(ri, "FrameEnd", &RiFrameEnd);
    bindFixed(ri, "WorldBegin", &RiWorldBegin);
    bindFixed(ri, "WorldEnd", &RiWorldEnd);
    bindFixed(ri, "Format", &RiFormat);
    bindFixed(ri, "FrameAspectRatio", &RiFrameAspectRatio);
    bindFixed(ri, "ScreenWindow", &RiScreenWindow);
    bindFixed(ri, "CropWindow", &RiCropWindow);
    bindNamedList(ri, "Projection", &RiProjectionV);
    bindFixed(ri, "Clipping", &RiClipping);
    bindFixed(ri, "DepthOfField", &RiDepthOfField);
    bindFixed(ri, "Shutter", &RiShutter);
    bindFixed(ri, "PixelVariance", &RiPixelVariance);
    bindFixed(ri, "PixelSamples", &RiPixelSamples);
    ri.def("PixelFilter", [](Ri &self, py::handle filter, RtFloat xwidth, RtFloat ywidth) {
        Request request(self, "PixelFilter");
        RtFilterFunc function = filterFunction(filter);
        request.write([&] { RiPixelFilter(function, xwidth, ywidth); });
    });
    bindFixed(ri, "Exposure", &RiExposure);
    bindFixed(ri, "Quantize", &RiQuantize);
    ri.def(
        "Display",
        [](Ri &self, Name name, Name type, Name mode, py::handle params) {
            Request request(self, "Display");
            ParamDict list(params);
            list.bind(uncountedCounts());
            request.write([&] { RiDisplayV(name, type, mode, list.size(), list.tokens(), list.values()); });
        },
        py::arg("name"), py::arg("type"), py::arg("mode"), py::arg("params") = py::none());
    bindNamedList(ri, "Hider", &RiHiderV);
    ri.def("ColorSamples", [](Ri &self, py::handle nRGB, py::handle RGBn) {
        Request request(self, "ColorSamples");
        FloatArg toArg(nRGB, "nRGB");
        FloatArg fromArg(RGBn, "RGBn");
        Values<RtFloat> toRGB = toArg.values();
        Values<RtFloat> fromRGB = fromArg.values();
        if (toRGB.size % 3 != 0 || fromRGB.size != toRGB.size) throw py::value_error(kColorSamplesShape);
        request.write([&] { RiColorSamples(static_cast<RtInt>(toRGB.size / 3), toRGB.data, fromRGB.data); });
    });
    bindFixed(ri, "RelativeDetail", &RiRelativeDetail);
    ri.def(
        "Option",
        [](Ri &self, Name name, py::handle params) {
            // The "rib" stream options need no stream: they set the next one's.
            if (isRibOptionName(name)) {
                ParamDict list = ParamDict::streamOptions(params);
                RiOptionV(name, list.size(), list.tokens(), list.values());
                return;
            }
            Request request(self, "Option");
            ParamDict list(params);
            list.bind(uncountedCounts());
            request.write([&] { RiOptionV(name, list.size(), list.tokens(), list.values()); });
        },
        py::arg("name"), py::arg("params") = py::none());
}

}  // namespace python
}  // namespace quillet
