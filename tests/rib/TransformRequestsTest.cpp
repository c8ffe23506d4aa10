#include <gtest/gtest.h>

#include "quillet/GlobalNames.h"
#include "tests/rib/RequestCase.h"

using namespace quillet;

using namespace quillet_test;

namespace {

RtMatrix identity = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
RtMatrix shifted = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {2, 3, 4, 1}};

TEST(TransformRequests, AsciiText) {
    expectRequests({
        {"Identity", [](RibWriter &w) { w.Identity(); }, "Identity\n"},
        {"ConcatTransform", [](RibWriter &w) { w.ConcatTransform(identity); },
         "ConcatTransform [1 0 0 0 0 1 0 0 0 0 1 0 0 0 0 1]\n"},
        {"Transform in memory order", [](RibWriter &w) { w.Transform(shifted); },
         "Transform [1 0 0 0 0 1 0 0 0 0 1 0 2 3 4 1]\n"},
        {"Perspective", [](RibWriter &w) { w.Perspective(45); }, "Perspective 45\n"},
        {"Perspective fraction", [](RibWriter &w) { w.Perspective(0.1f); }, "Perspective 0.1\n"},
        {"Translate", [](RibWriter &w) { w.Translate(1, 2, 3); }, "Translate 1 2 3 \n"},
        {"Rotate", [](RibWriter &w) { w.Rotate(90, 0, 0, 1); }, "Rotate 90 0 0 1 \n"},
        {"Scale", [](RibWriter &w) { w.Scale(2, 2, 2); }, "Scale 2 2 2\n"},
        {"Scale large", [](RibWriter &w) { w.Scale(1e6f, 0.5f, 1e-5f); }, "Scale 1e+06 0.5 1e-05\n"},
        {"Skew", [](RibWriter &w) { w.Skew(45, 0, 1, 0, 1, 0, 0); }, "Skew 45   0 1 0   1 0 0\n"},
        {"CoordinateSystem", [](RibWriter &w) { w.CoordinateSystem("lamp"); }, "CoordinateSystem \"lamp\"\n"},
        {"CoordSysTransform", [](RibWriter &w) { w.CoordSysTransform("lamp"); }, "CoordSysTransform \"lamp\"\n"},
    });
}

// Translate, Rotate and the matrices follow the encoding; the rest stays text.
TEST(TransformRequests, BinaryText) {
    expectRequests(
        {
            {"Translate", [](RibWriter &w) { w.Translate(0, 0, 5); },
             "Translate " + binaryFloat(0) + binaryFloat(0) + binaryFloat(5) + "\n"},
            {"Rotate", [](RibWriter &w) { w.Rotate(90, -1, 0, 0); },
             "Rotate " + binaryFloat(90) + binaryFloat(-1) + binaryFloat(0) + binaryFloat(0) + "\n"},
            {"ConcatTransform", [](RibWriter &w) { w.ConcatTransform(identity); },
             "ConcatTransform " + binaryFloatArray({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}) + "\n"},
            {"Transform", [](RibWriter &w) { w.Transform(shifted); },
             "Transform " + binaryFloatArray({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 2, 3, 4, 1}) + "\n"},
            {"Perspective", [](RibWriter &w) { w.Perspective(45); }, "Perspective 45\n"},
            {"Scale", [](RibWriter &w) { w.Scale(2, 2, 2); }, "Scale 2 2 2\n"},
            {"Skew", [](RibWriter &w) { w.Skew(45, 0, 1, 0, 1, 0, 0); }, "Skew 45   0 1 0   1 0 0\n"},
        },
        true);
}

TEST(TransformRequests, TransformPointsWritesNothingAndReturnsNull) {
    RtPoint points[2] = {{1, 2, 3}, {4, 5, 6}};
    RtPoint *result = points;
    std::string stream = captureStream([&](RibWriter &w) { result = w.TransformPoints("world", "camera", 2, points); });
    EXPECT_EQ(stream, wholeStream(""));
    EXPECT_EQ(result, nullptr);
    EXPECT_EQ(points[1][2], 6);
}

}  // namespace
