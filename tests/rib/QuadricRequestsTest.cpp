#include <gtest/gtest.h>

#include "quillet/GlobalNames.h"
#include "tests/rib/RequestCase.h"

using namespace quillet;

using namespace quillet_test;

namespace {

RtPoint bottom = {1, 0, 0};
RtPoint top = {0.5f, 0, 1};
RtFloat twelve[12] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
RtFloat half = 0.5f;

const std::string kTwelve = "[1 2 3 4 5 6 7 8 9 10 11 12]";

TEST(QuadricRequests, FixedNumbers) {
    expectRequests({
        {"Sphere", [](RibWriter &w) { w.SphereV(1, -1, 1, 360, 0, nullptr, nullptr); }, "Sphere 1 -1 1 360\n"},
        {"Cone", [](RibWriter &w) { w.ConeV(2, 1, 180, 0, nullptr, nullptr); }, "Cone 2 1 180\n"},
        {"Cylinder", [](RibWriter &w) { w.CylinderV(1, -0.5f, 0.5f, 90, 0, nullptr, nullptr); },
         "Cylinder 1 -0.5 0.5 90\n"},
        {"Hyperboloid", [](RibWriter &w) { w.HyperboloidV(bottom, top, 360, 0, nullptr, nullptr); },
         "Hyperboloid 1 0 0 0.5 0 1 360\n"},
        {"Hyperboloid null point", [](RibWriter &w) { w.HyperboloidV(nullptr, top, 360, 0, nullptr, nullptr); },
         "Hyperboloid 0 0 0 0.5 0 1 360\n"},
        {"Paraboloid", [](RibWriter &w) { w.ParaboloidV(1, 0, 2, 270, 0, nullptr, nullptr); },
         "Paraboloid 1 0 2 270\n"},
        {"Disk", [](RibWriter &w) { w.DiskV(0, 1, 360, 0, nullptr, nullptr); }, "Disk 0 1 360\n"},
        {"Torus", [](RibWriter &w) { w.TorusV(1, 0.25f, 0, 360, 360, 0, nullptr, nullptr); },
         "Torus 1 0.25 0 360 360\n"},
        {"large radius", [](RibWriter &w) { w.SphereV(2e6f, -1, 1, 360, 0, nullptr, nullptr); },
         "Sphere 2e+06 -1 1 360\n"},
    });
}

// Quadrics have 4 vertex and varying values and 1 uniform value.
TEST(QuadricRequests, ParameterCounts) {
    expectRequests({
        {"varying color", [](RibWriter &w) { w.Sphere(0.5f, -0.5f, 0.5f, 360, "Cs", twelve, RI_NULL); },
         "Sphere 0.5 -0.5 0.5 360 \"Cs\" " + kTwelve + "\n"},
        {"vertex point", [](RibWriter &w) { w.Disk(0, 1, 360, "P", twelve, RI_NULL); },
         "Disk 0 1 360 \"P\" " + kTwelve + "\n"},
        {"uniform color", [](RibWriter &w) { w.Cone(2, 1, 180, "uniform color tint", twelve, RI_NULL); },
         "Cone 2 1 180 \"uniform color tint\" [1 2 3]\n"},
        {"constant float", [](RibWriter &w) { w.Torus(1, 0.25f, 0, 360, 360, "constant float k", &half, RI_NULL); },
         "Torus 1 0.25 0 360 360 \"constant float k\" [0.5]\n"},
        {"varying float", [](RibWriter &w) { w.Paraboloid(1, 0, 2, 270, "varying float v", twelve, RI_NULL); },
         "Paraboloid 1 0 2 270 \"varying float v\" [1 2 3 4]\n"},
    });
}

TEST(QuadricRequests, BinaryKeepsFixedNumbersAsText) {
    expectRequests(
        {
            {"Cs", [](RibWriter &w) { w.Sphere(0.5f, -0.5f, 0.5f, 360, "Cs", twelve, RI_NULL); },
             "Sphere 0.5 -0.5 0.5 360 \"Cs\" " + binaryFloatArray({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}) + "\n"},
            {"Hyperboloid", [](RibWriter &w) { w.Hyperboloid(bottom, top, 360, RI_NULL); },
             "Hyperboloid 1 0 0 0.5 0 1 360\n"},
        },
        true);
}

}  // namespace
