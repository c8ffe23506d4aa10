#include <gtest/gtest.h>

#include "quillet/GlobalNames.h"
#include "tests/rib/RequestCase.h"

using namespace quillet;

using namespace quillet_test;

namespace {

RtFloat blur = 0.5f;
RtToken tokens[] = {"blur"};
RtPointer values[] = {&blur};

std::vector<RequestCase> textureCases() {
    return {
        {"MakeTexture",
         [](RibWriter &w) {
             w.MakeTextureV("in.tif", "out.tx", "periodic", "clamp", RiGaussianFilter, 2, 2, 0, nullptr, nullptr);
         },
         "MakeTexture \"in.tif\" \"out.tx\" \"periodic\" \"clamp\" \"gaussian\" 2 2\n"},
        {"MakeTexture own filter",
         [](RibWriter &w) {
             w.MakeTextureV("in.tif", "out.tx", "periodic", "clamp", ownFilter, 2, 2, 0, nullptr, nullptr);
         },
         "MakeTexture \"in.tif\" \"out.tx\" \"periodic\" \"clamp\" \"\" 2 2\n"},
        {"MakeTexture parameters ignored",
         [](RibWriter &w) {
             w.MakeTextureV("in.tif", "out.tx", "black", "black", RiSincFilter, 1.5f, 1, 1, tokens, values);
         },
         "MakeTexture \"in.tif\" \"out.tx\" \"black\" \"black\" \"sinc\" 1.5 1\n"},
        {"MakeTexture variable",
         [](RibWriter &w) {
             w.MakeTexture("in.tif", "out.tx", "clamp", "clamp", RiTriangleFilter, 2, 2, "blur", &blur, RI_NULL);
         },
         "MakeTexture \"in.tif\" \"out.tx\" \"clamp\" \"clamp\" \"triangle\" 2 2\n"},
        {"MakeLatLongEnvironment",
         [](RibWriter &w) {
             w.MakeLatLongEnvironmentV("sky.tif", "sky.env", RiCatmullRomFilter, 1, 1, 1, tokens, values);
         },
         "MakeLatLongEnvironment \"sky.tif\" \"sky.env\" \"catmull-rom\" 1 1\n"},
        {"MakeLatLongEnvironment variable",
         [](RibWriter &w) { w.MakeLatLongEnvironment("sky.tif", "sky.env", ownFilter, 1, 1, RI_NULL); },
         "MakeLatLongEnvironment \"sky.tif\" \"sky.env\" \"\" 1 1\n"},
        {"MakeCubeFaceEnvironment",
         [](RibWriter &w) {
             w.MakeCubeFaceEnvironmentV("px", "nx", "py", "ny", "pz", "nz", "cube.env", 95, RiBoxFilter, 2, 2, 0,
                                        nullptr, nullptr);
         },
         "MakeCubeFaceEnvironment \"px\" \"nx\" \"py\" \"ny\" \"pz\" \"nz\" \"cube.env\" 95 \"box\" 2 2\n"},
        {"MakeCubeFaceEnvironment variable",
         [](RibWriter &w) {
             w.MakeCubeFaceEnvironment("px", "nx", "py", "ny", "pz", "nz", "cube.env", 90, RiGaussianFilter, 1, 1,
                                       "blur", &blur, RI_NULL);
         },
         "MakeCubeFaceEnvironment \"px\" \"nx\" \"py\" \"ny\" \"pz\" \"nz\" \"cube.env\" 90 \"gaussian\" 1 1\n"},
        {"MakeShadow", [](RibWriter &w) { w.MakeShadowV("depth.z", "shadow.tx", 1, tokens, values); },
         "MakeShadow \"depth.z\" \"shadow.tx\"\n"},
        {"null names", [](RibWriter &w) { w.MakeShadowV(nullptr, nullptr, 0, nullptr, nullptr); },
         "MakeShadow \"\" \"\"\n"},
    };
}

// The texture requests are text in both encodings and never write their
// parameter lists.
TEST(TextureRequests, AsciiAndBinary) {
    expectRequests(textureCases());
    expectRequests(textureCases(), true);
}

// Ignored parameters are not even looked up: nothing is reported.
TEST(TextureRequests, UndeclaredParametersAreNotReported) {
    Captured result =
        captureStreamAndErrors([](RibWriter &w) { w.MakeShadow("depth.z", "shadow.tx", "nonsense", &blur, RI_NULL); });
    EXPECT_EQ(result.stream, wholeStream("MakeShadow \"depth.z\" \"shadow.tx\"\n"));
    EXPECT_EQ(result.diagnostics, "");
}

}  // namespace
