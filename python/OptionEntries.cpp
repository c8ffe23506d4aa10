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
    bindListed(ri, "Camera", &RiCameraV, Uncounted());
    bindFixed(ri, "FrameAspectRatio", &RiFrameAspectRatio);
    bindFixed(ri, "ScreenWindow", &RiScreenWindow);
    bindFixed(ri, "CropWindow", &RiCropWindow);
    bindListed(ri, "Projection", &RiProjectionV, Uncounted());
    bindFixed(ri, "Clipping", &RiClipping);
    bindFixed(ri, "DepthOfField", &RiDepthOfField);
    bindFixed(ri, "Shutter", &RiShutter);
    bindFixed(ri, "PixelVariance", &RiPixelVariance);
    bindFixed(ri, "PixelSamples", &RiPixelSamples);
    bindFixed(ri, "PixelFilter", &RiPixelFilter);
    bindFixed(ri, "Exposure", &RiExposure);
    bindFixed(ri, "Quantize", &RiQuantize);
    bindListed(ri, "Display", &RiDisplayV, Uncounted());
    bindListed(ri, "Hider", &RiHiderV, Uncounted());
    ri.def(
        "ColorSamples",
        [](Ri &self, FloatArray nRGB, FloatArray RGBn) {
            Request request(self, "ColorSamples");
            FloatArg toArg(nRGB, "nRGB");
            FloatArg fromArg(RGBn, "RGBn");
            Values<RtFloat> toRGB = toArg.values();
            Values<RtFloat> fromRGB = fromArg.values();
            if (toRGB.size % 3 != 0 || fromRGB.size != toRGB.size) throw py::value_error(kColorSamplesShape);
            request.write([&] { RiColorSamples(static_cast<RtInt>(toRGB.size / 3), toRGB.data, fromRGB.data); });
        },
        py::arg("nRGB"), py::arg("RGBn"), methodDoc("ColorSamples"));
    bindFixed(ri, "RelativeDetail", &RiRelativeDetail);
    ri.def(
        "Option",
        [](Ri &self, Name name, ParamList params) {
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
        py::arg("name"), params(), methodDoc("Option"));
}

}  // namespace python
}  // namespace quillet
