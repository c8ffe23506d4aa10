// Camera, display and renderer option entry points.
#include "python/Bindings.h"
#include "rib/StreamOptions.h"

namespace quillet {
namespace python {

namespace {

const char kColorSamplesShape[] = "ColorSamples: nRGB and RGBn must hold the same multiple of 3 values";

}  // namespace

void bindOptionEntries(RiClass &ri) {
    bindFixed(ri, "Format", &RiFormat);
    bindFixed(ri, "ClippingPlane", &RiClippingPlane);
    bindNamedList(ri, "Camera", &RiCameraV);
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
