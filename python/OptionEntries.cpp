// Camera, display and renderer option entry points.
#include "python/Bindings.h"
#include "rib/StreamOptions.h"

namespace quillet {
namespace python {

namespace {

const char kColorSamplesShape[] = "ColorSamples: nRGB and RGBn must hold the same multiple of 3 values";

const Binding kOptionRequests[] = {
    {"Format", fixedArguments<&RiFormat>},
    {"ClippingPlane", fixedArguments<&RiClippingPlane>},
    {"Camera", withList<&RiCameraV>},
    {"FrameAspectRatio", fixedArguments<&RiFrameAspectRatio>},
    {"ScreenWindow", fixedArguments<&RiScreenWindow>},
    {"CropWindow", fixedArguments<&RiCropWindow>},
    {"Projection", withList<&RiProjectionV>},
    {"Clipping", fixedArguments<&RiClipping>},
    {"DepthOfField", fixedArguments<&RiDepthOfField>},
    {"Shutter", fixedArguments<&RiShutter>},
    {"PixelVariance", fixedArguments<&RiPixelVariance>},
    {"PixelSamples", fixedArguments<&RiPixelSamples>},
    {"PixelFilter", fixedArguments<&RiPixelFilter>},
    {"Exposure", fixedArguments<&RiExposure>},
    {"Quantize", fixedArguments<&RiQuantize>},
    {"Display", withList<&RiDisplayV>},
    {"Hider", withList<&RiHiderV>},
    {"RelativeDetail", fixedArguments<&RiRelativeDetail>},
};

}  // namespace

void bindOptionEntries(RiClass &ri) {
    bindTable(ri, kOptionRequests);
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
