// The texture-making entry points pass every argument and their parameter
// lists, collected or given, to the current context.
#include <gtest/gtest.h>

#include "tests/ri/RecordingContext.h"
#include "quillet/ri.h"

namespace {

RtFloat blur = 0.5f;
RtFloat bias = 0.25f;
RtToken tokens[] = {"blur", "bias"};
RtPointer values[] = {&blur, &bias};

struct TextureCase {
    const char *label;
    std::function<void()> call;
    RecordingContext::Call expected;
};

void PrintTo(const TextureCase &c, std::ostream *os) {
    *os << c.label;
}

const std::vector<RtToken> kBoth = {"blur", "bias"};
const std::vector<RtPointer> kBothValues = {&blur, &bias};

const TextureCase kCases[] = {
    {"MakeTexture",
     [] {
         RiMakeTexture("in.tif", "out.tx", "periodic", "clamp", RiBoxFilter, 2, 3, "blur", &blur, "bias", &bias,
                       RI_NULL);
     },
     {"MakeTextureV", "in.tif out.tx periodic clamp", {2, 3}, kBoth, kBothValues}},
    {"MakeTextureV",
     [] { RiMakeTextureV("in.tif", "out.tx", "black", "black", RiSincFilter, 1.5f, 1, 2, tokens, values); },
     {"MakeTextureV", "in.tif out.tx black black", {1.5f, 1}, kBoth, kBothValues}},
    {"MakeLatLongEnvironment",
     [] { RiMakeLatLongEnvironment("sky.tif", "sky.env", RiGaussianFilter, 1, 2, "blur", &blur, RI_NULL); },
     {"MakeLatLongEnvironmentV", "sky.tif sky.env", {1, 2}, {"blur"}, {&blur}}},
    {"MakeLatLongEnvironmentV",
     [] { RiMakeLatLongEnvironmentV("sky.tif", "sky.env", RiGaussianFilter, 4, 5, 0, nullptr, nullptr); },
     {"MakeLatLongEnvironmentV", "sky.tif sky.env", {4, 5}, {}, {}}},
    {"MakeCubeFaceEnvironment",
     [] {
         RiMakeCubeFaceEnvironment("px", "nx", "py", "ny", "pz", "nz", "cube.env", 95, RiTriangleFilter, 2, 2, "bias",
                                   &bias, RI_NULL);
     },
     {"MakeCubeFaceEnvironmentV", "px nx py ny pz nz cube.env", {95, 2, 2}, {"bias"}, {&bias}}},
    {"MakeCubeFaceEnvironmentV",
     [] {
         RiMakeCubeFaceEnvironmentV("px", "nx", "py", "ny", "pz", "nz", "cube.env", 90, RiBoxFilter, 1, 3, 2, tokens,
                                    values);
     },
     {"MakeCubeFaceEnvironmentV", "px nx py ny pz nz cube.env", {90, 1, 3}, kBoth, kBothValues}},
    {"MakeShadow",
     [] { RiMakeShadow("depth.z", "depth.shd", "bias", &bias, RI_NULL); },
     {"MakeShadowV", "depth.z depth.shd", {}, {"bias"}, {&bias}}},
    {"MakeShadowV",
     [] { RiMakeShadowV("depth.z", "depth.shd", 2, tokens, values); },
     {"MakeShadowV", "depth.z depth.shd", {}, kBoth, kBothValues}},
};

class TextureEntriesTest : public ::testing::TestWithParam<TextureCase> {};

TEST_P(TextureEntriesTest, ForwardsToCurrentContext) {
    RecordingContext recorder;
    RtContextHandle saved = RiGetContext();
    RiContext(&recorder);
    GetParam().call();
    RiContext(saved);
    const RecordingContext::Call &expected = GetParam().expected;
    ASSERT_EQ(recorder.calls.size(), 1u);
    const RecordingContext::Call &call = recorder.calls.front();
    EXPECT_EQ(call.operation, expected.operation);
    EXPECT_EQ(call.name, expected.name);
    EXPECT_EQ(call.numbers, expected.numbers);
    ASSERT_EQ(call.tokens.size(), expected.tokens.size());
    for (size_t i = 0; i < call.tokens.size(); ++i) EXPECT_STREQ(call.tokens[i], expected.tokens[i]) << i;
    EXPECT_EQ(call.values, expected.values);
}

INSTANTIATE_TEST_SUITE_P(EntryPoints, TextureEntriesTest, ::testing::ValuesIn(kCases));

}  // namespace
