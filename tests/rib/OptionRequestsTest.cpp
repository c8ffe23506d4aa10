#include <gtest/gtest.h>

#include "quillet/GlobalNames.h"
#include "tests/rib/RequestCase.h"

using namespace quillet;

using namespace quillet_test;

namespace {

RtFloat fov = 45;
RtInt sixteen = 16;
RtInt one = 1;
RtInt zero = 0;
RtColor grey = {0.5f, 0.5f, 0.5f};
RtFloat samples[6] = {1, 2, 3, 4, 5, 6};

TEST(OptionRequests, FixedArguments) {
    expectRequests({
        {"Format", [](RibWriter &w) { w.Format(640, 480, 1); }, "Format 640 480 1\n"},
        {"FrameAspectRatio", [](RibWriter &w) { w.FrameAspectRatio(1.5f); }, "FrameAspectRatio 1.5\n"},
        {"ScreenWindow", [](RibWriter &w) { w.ScreenWindow(-1, 1, -0.75f, 0.75f); }, "ScreenWindow -1 1 -0.75 0.75\n"},
        {"CropWindow", [](RibWriter &w) { w.CropWindow(0, 0.5f, 0.25f, 1); }, "CropWindow 0 0.5 0.25 1\n"},
        {"Clipping", [](RibWriter &w) { w.Clipping(0.1f, 10000); }, "Clipping 0.1 10000\n"},
        {"Clipping far", [](RibWriter &w) { w.Clipping(0.1f, 2e6f); }, "Clipping 0.1 2e+06\n"},
        {"DepthOfField", [](RibWriter &w) { w.DepthOfField(22, 45, 1200); }, "DepthOfField 22 45 1200\n"},
        {"Shutter", [](RibWriter &w) { w.Shutter(0, 0.5f); }, "Shutter 0 0.5\n"},
        {"PixelVariance", [](RibWriter &w) { w.PixelVariance(0.02f); }, "PixelVariance 0.02\n"},
        {"PixelSamples", [](RibWriter &w) { w.PixelSamples(4, 4); }, "PixelSamples 4 4\n"},
        {"Exposure", [](RibWriter &w) { w.Exposure(1, 2.2f); }, "Exposure 1 2.2\n"},
        {"Quantize", [](RibWriter &w) { w.Quantize("rgba", 255, 0, 255, 0.5f); }, "Quantize \"rgba\" 255 0 255 0.5\n"},
        {"RelativeDetail", [](RibWriter &w) { w.RelativeDetail(0.6f); }, "RelativeDetail 0.6\n"},
        {"ColorSamples", [](RibWriter &w) { w.ColorSamples(2, samples, samples); }, ""},
        {"Color after ColorSamples",
         [](RibWriter &w) {
             w.ColorSamples(2, samples, samples);
             w.Color(grey);
         },
         "Color [0.5 0.5 0.5]\n"},
    });
}

TEST(OptionRequests, PixelFilterNamesStandardFilters) {
    expectRequests({
        {"gaussian", [](RibWriter &w) { w.PixelFilter(RiGaussianFilter, 2, 2); }, "PixelFilter \"gaussian\" 2 2\n"},
        {"box", [](RibWriter &w) { w.PixelFilter(RiBoxFilter, 1, 1); }, "PixelFilter \"box\" 1 1\n"},
        {"triangle", [](RibWriter &w) { w.PixelFilter(RiTriangleFilter, 2, 1); }, "PixelFilter \"triangle\" 2 1\n"},
        {"catmull-rom", [](RibWriter &w) { w.PixelFilter(RiCatmullRomFilter, 3, 3); },
         "PixelFilter \"catmull-rom\" 3 3\n"},
        {"sinc", [](RibWriter &w) { w.PixelFilter(RiSincFilter, 4, 4); }, "PixelFilter \"sinc\" 4 4\n"},
        {"own", [](RibWriter &w) { w.PixelFilter(ownFilter, 2, 2); }, "PixelFilter \"\" 2 2\n"},
        {"null", [](RibWriter &w) { w.PixelFilter(nullptr, 2, 2); }, "PixelFilter \"\" 2 2\n"},
    });
}

TEST(OptionRequests, RequestsWithParameterLists) {
    expectRequests({
        {"Projection", [](RibWriter &w) { w.ProjectionV("perspective", 0, nullptr, nullptr); },
         "Projection \"perspective\"\n"},
        {"Projection fov", [](RibWriter &w) { w.Projection("perspective", "fov", &fov, RI_NULL); },
         "Projection \"perspective\" \"fov\" [45]\n"},
        {"Display", [](RibWriter &w) { w.DisplayV("out.tif", "file", "rgba", 0, nullptr, nullptr); },
         "Display \"out.tif\" \"file\" \"rgba\"\n"},
        {"Display variable",
         [](RibWriter &w) { w.Display("out.tif", "file", "rgb", "uniform float gain", &fov, RI_NULL); },
         "Display \"out.tif\" \"file\" \"rgb\" \"uniform float gain\" [45]\n"},
        {"Hider", [](RibWriter &w) { w.Hider("hidden", RI_NULL); }, "Hider \"hidden\"\n"},
        {"Option", [](RibWriter &w) { w.Option("limits", "uniform integer gridcount", &sixteen, RI_NULL); },
         "Option \"limits\" \"uniform integer gridcount\" [16 ]\n"},
        {"Option other capitals", [](RibWriter &w) { w.OptionV("Rib", 0, nullptr, nullptr); }, "Option \"Rib\"\n"},
    });
}

TEST(OptionRequests, ParameterValuesInBinary) {
    expectRequests({{"Projection fov", [](RibWriter &w) { w.Projection("perspective", "fov", &fov, RI_NULL); },
                     "Projection \"perspective\" \"fov\" " + binaryFloatArray({45}) + "\n"},
                    {"Format", [](RibWriter &w) { w.Format(640, 480, 1); }, "Format 640 480 1\n"}},
                   true);
}

// "rib" options on a writer switch its float encoding and write nothing.
TEST(OptionRequests, RibOptionSwitchesEncodingMidStream) {
    std::string stream = captureStream([](RibWriter &w) {
        w.Option("rib", "binary", &one, RI_NULL);
        w.Color(grey);
        w.Option("RIB", "format", &one, "binary", &zero, RI_NULL);
        w.Color(grey);
    });
    EXPECT_EQ(stream, wholeStream("Color " + binaryFloatArray({0.5f, 0.5f, 0.5f}) + "\nColor [0.5 0.5 0.5]\n"));
}

}  // namespace
