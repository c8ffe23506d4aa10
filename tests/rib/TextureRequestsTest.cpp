#include <gtest/gtest.h>

#include "quillet/GlobalNames.h"
#include "tests/rib/RequestCase.h"

using namespace quillet;

using namespace quillet_test;

namespace {

RtFloat blur = 0.5f;
RtToken lzw[] = {"lzw"};
RtToken tokens[] = {"uniform float blur", "compression"};
RtPointer values[] = {&blur, lzw};

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
        {"MakeTexture parameters",
         [](RibWriter &w) {
             w.MakeTextureV("in.tif", "out.tx", "black", "black", RiSincFilter, 1.5f, 1, 2, tokens, values);
         },
         "MakeTexture \"in.tif\" \"out.tx\" \"black\" \"black\" \"sinc\" 1.5 1 \"uniform float blur\" [0.5] "
         "\"compression\" [\"lzw\"]\n"},
        {"MakeTexture variable",
         [](RibWriter &w) {
             w.MakeTexture("in.tif", "out.tx", "clamp", "clamp", RiTriangleFilter, 2, 2, "compression", lzw, RI_NULL);
         },
         "MakeTexture \"in.tif\" \"out.tx\" \"clamp\" \"clamp\" \"triangle\" 2 2 \"compression\" [\"lzw\"]\n"},
        {"MakeLatLongEnvironment",
         [](RibWriter &w) {
             w.MakeLatLongEnvironmentV("sky.tif", "sky.env", RiCatmullRomFilter, 1, 1, 1, tokens, values);
         },
         "MakeLatLongEnvironment \"sky.tif\" \"sky.env\" \"catmull-rom\" 1 1 \"uniform float blur\" [0.5]\n"},
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
                                       "uniform float blur", &blur, RI_NULL);
         },
         "MakeCubeFaceEnvironment \"px\" \"nx\" \"py\" \"ny\" \"pz\" \"nz\" \"cube.env\" 90 \"gaussian\" 1 1 "
         "\"uniform float blur\" [0.5]\n"},
        {"MakeShadow", [](RibWriter &w) { w.MakeShadowV("depth.z", "shadow.tx", 0, nullptr, nullptr); },
         "MakeShadow \"depth.z\" \"shadow.tx\"\n"},
        {"MakeShadow parameters", [](RibWriter &w) { w.MakeShadowV("depth.z", "shadow.tx", 2, tokens, values); },
         "MakeShadow \"depth.z\" \"shadow.tx\" \"uniform float blur\" [0.5] \"compression\" [\"lzw\"]\n"},
        {"null names", [](RibWriter &w) { w.MakeShadowV(nullptr, nullptr, 0, nullptr, nullptr); },
         "MakeShadow \"\" \"\"\n"},
    };
}

// The texture requests' own arguments are text in both encodings; their
// parameter lists are written like every other request's (ASCII here).
TEST(TextureRequests, AsciiAndBinary) {
    expectRequests(textureCases());
    EXPECT_EQ(captureStream([](RibWriter &w) { w.MakeShadowV("depth.z", "shadow.tx", 2, tokens, values); }, true),
              wholeStream("MakeShadow \"depth.z\" \"shadow.tx\" \"uniform float blur\" " + binaryFloatArray({0.5f}) +
                          " \"compression\" [\"lzw\"]\n"));
    EXPECT_EQ(captureStream(
                  [](RibWriter &w) {
                      w.MakeTextureV("in.tif", "out.tx", "black", "black", RiSincFilter, 1.5f, 1, 0, nullptr, nullptr);
                  },
                  true),
              wholeStream("MakeTexture \"in.tif\" \"out.tx\" \"black\" \"black\" \"sinc\" 1.5 1\n"));
}

// A parameter the writer cannot type is reported and left out, as anywhere.
TEST(TextureRequests, UndeclaredParametersAreReportedAndLeftOut) {
    Captured result =
        captureStreamAndErrors([](RibWriter &w) { w.MakeShadow("depth.z", "shadow.tx", "nonsense", &blur, RI_NULL); });
    EXPECT_EQ(result.stream, wholeStream("MakeShadow \"depth.z\" \"shadow.tx\"\n"));
    EXPECT_EQ(result.diagnostics, "quillet error: undeclared parameter \"nonsense\": declare it, or write its type "
                                  "inline: \"uniform float nonsense\"\n");
}

}  // namespace
