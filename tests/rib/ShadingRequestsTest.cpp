#include <gtest/gtest.h>

#include "quillet/GlobalNames.h"
#include "tests/rib/RequestCase.h"

using namespace quillet;

using namespace quillet_test;

namespace {

RtColor yellow = {1, 0.5f, 0};
RtBound box = {-1, 1, -2, 2, 0, 3};
RtFloat half = 0.5f;
RtToken lampName = "key";

TEST(ShadingRequests, FixedArgumentsAscii) {
    expectRequests({
        {"Color", [](RibWriter &w) { w.Color(yellow); }, "Color [1 0.5 0]\n"},
        {"Opacity", [](RibWriter &w) { w.Opacity(yellow); }, "Opacity [1 0.5 0]\n"},
        {"TextureCoordinates", [](RibWriter &w) { w.TextureCoordinates(0, 0, 1, 0, 0, 1, 1, 1); },
         "TextureCoordinates [ 0 0 1 0 0 1 1 1 ]\n"},
        {"ShadingRate", [](RibWriter &w) { w.ShadingRate(0.25f); }, "ShadingRate 0.25\n"},
        {"ShadingInterpolation", [](RibWriter &w) { w.ShadingInterpolation("smooth"); },
         "ShadingInterpolation \"smooth\"\n"},
        {"Matte", [](RibWriter &w) { w.Matte(1); }, "Matte 1\n"},
        {"Matte all bits", [](RibWriter &w) { w.Matte(static_cast<RtBoolean>(0xFFFF)); }, "Matte -1\n"},
        {"Bound", [](RibWriter &w) { w.Bound(box); }, "Bound [-1 1 -2 2 0 3]\n"},
        {"Detail", [](RibWriter &w) { w.Detail(box); }, "Detail [-1 1 -2 2 0 3]\n"},
        {"DetailRange", [](RibWriter &w) { w.DetailRange(0, 1, 10, 20); }, "DetailRange 0 1 10 20\n"},
        {"GeometricApproximation", [](RibWriter &w) { w.GeometricApproximation("flatness", 0.5f); },
         "GeometricApproximation \"flatness\" 0.5\n"},
        {"GeometricRepresentation", [](RibWriter &w) { w.GeometricRepresentation("points"); },
         "GeometricRepresentation \"points\"\n"},
        {"Sides", [](RibWriter &w) { w.Sides(2); }, "Sides 2\n"},
        {"Orientation", [](RibWriter &w) { w.Orientation("lh"); }, "Orientation \"lh\"\n"},
        {"ReverseOrientation", [](RibWriter &w) { w.ReverseOrientation(); }, "ReverseOrientation\n"},
        {"Illuminate", [](RibWriter &w) { w.Illuminate(reinterpret_cast<RtLightHandle>(2), 0); }, "Illuminate 2 0\n"},
    });
}

TEST(ShadingRequests, FixedArgumentsBinary) {
    expectRequests(
        {
            {"Color", [](RibWriter &w) { w.Color(yellow); }, "Color " + binaryFloatArray({1, 0.5f, 0}) + "\n"},
            {"Opacity", [](RibWriter &w) { w.Opacity(yellow); }, "Opacity " + binaryFloatArray({1, 0.5f, 0}) + "\n"},
            {"Bound", [](RibWriter &w) { w.Bound(box); }, "Bound " + binaryFloatArray({-1, 1, -2, 2, 0, 3}) + "\n"},
            {"Detail", [](RibWriter &w) { w.Detail(box); }, "Detail " + binaryFloatArray({-1, 1, -2, 2, 0, 3}) + "\n"},
            {"TextureCoordinates", [](RibWriter &w) { w.TextureCoordinates(0, 0, 1, 0, 0, 1, 1, 1); },
             "TextureCoordinates [ 0 0 1 0 0 1 1 1 ]\n"},
            {"ShadingRate", [](RibWriter &w) { w.ShadingRate(0.25f); }, "ShadingRate 0.25\n"},
        },
        true);
}

TEST(ShadingRequests, ShadersAndAttributes) {
    expectRequests({
        {"Surface", [](RibWriter &w) { w.SurfaceV("constant", 0, nullptr, nullptr); }, "Surface \"constant\"\n"},
        {"Surface Kd", [](RibWriter &w) { w.Surface("plastic", "Kd", &half, RI_NULL); },
         "Surface \"plastic\" \"Kd\" [0.5]\n"},
        {"Displacement", [](RibWriter &w) { w.Displacement("bumpy", "amplitude", &half, RI_NULL); },
         "Displacement \"bumpy\" \"amplitude\" [0.5]\n"},
        {"Atmosphere", [](RibWriter &w) { w.Atmosphere("fog", "distance", &half, RI_NULL); },
         "Atmosphere \"fog\" \"distance\" [0.5]\n"},
        {"Interior", [](RibWriter &w) { w.Interior("water", RI_NULL); }, "Interior \"water\"\n"},
        {"Exterior", [](RibWriter &w) { w.Exterior("smoke", RI_NULL); }, "Exterior \"smoke\"\n"},
        {"Imager", [](RibWriter &w) { w.Imager("background", "background", yellow, RI_NULL); },
         "Imager \"background\" \"background\" [1 0.5 0]\n"},
        {"Attribute", [](RibWriter &w) { w.Attribute("identifier", "name", &lampName, RI_NULL); },
         "Attribute \"identifier\" \"name\" [\"key\"]\n"},
    });
}

TEST(ShadingRequests, ShaderParameterInBinary) {
    expectRequests({{"Surface Kd", [](RibWriter &w) { w.Surface("plastic", "Kd", &half, RI_NULL); },
                     "Surface \"plastic\" \"Kd\" " + binaryFloatArray({0.5f}) + "\n"}},
                   true);
}

// Both kinds of light share one numbering; objects have their own.
TEST(ShadingRequests, LightHandlesCountFromOne) {
    RtLightHandle handles[3] = {};
    std::string stream = captureStream([&](RibWriter &w) {
        handles[0] = w.LightSourceV("distantlight", 0, nullptr, nullptr);
        handles[1] = w.AreaLightSource("arealight", "intensity", &half, RI_NULL);
        w.ObjectBegin();
        handles[2] = w.LightSource("pointlight", RI_NULL);
        w.Illuminate(handles[1], 1);
    });
    EXPECT_EQ(stream, wholeStream("LightSource \"distantlight\" 1\n"
                                  "AreaLightSource \"arealight\" 2 \"intensity\" [0.5]\n"
                                  "ObjectBegin 1\n"
                                  "LightSource \"pointlight\" 3\n"
                                  "Illuminate 2 1\n"));
    EXPECT_EQ(handles[0], reinterpret_cast<RtLightHandle>(1));
    EXPECT_EQ(handles[1], reinterpret_cast<RtLightHandle>(2));
    EXPECT_EQ(handles[2], reinterpret_cast<RtLightHandle>(3));
}

// An undeclared token is reported and left out; the rest of the request stays.
TEST(ShadingRequests, UndeclaredParameterIsReportedAndDropped) {
    Captured result = captureStreamAndErrors(
        [](RibWriter &w) { w.Surface("plastic", "Kd", &half, "shininess", &half, "Ks", &half, RI_NULL); });
    EXPECT_EQ(result.stream, wholeStream("Surface \"plastic\" \"Kd\" [0.5] \"Ks\" [0.5]\n"));
    EXPECT_EQ(result.diagnostics, "quillet error: undeclared parameter \"shininess\": declare it, or write its type "
                                  "inline: \"uniform float shininess\"\n");
}

}  // namespace
