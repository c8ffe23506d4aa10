// The bound of what a stream draws: each kind of primitive, transforms,
// blocks, motion, objects and the space of a world block.
#include <gtest/gtest.h>

#include <string>

#include "quillet/BoundingContext.h"
#include "tests/parse/ParseSupport.h"

using namespace quillet;

namespace {

TEST(BoundingContext, MeasuresEachPrimitiveInTheTopLevelSpace) {
    const struct {
        const char *stream;
        RtBound bound;
    } cases[] = {
        {"Sphere 2 -1 1.5 180\n", {-2, 2, -2, 2, -1, 1.5}},
        {"Cone 2 0.5 360\nDisk -1 1 360\n", {-1, 1, -1, 1, -1, 2}},
        {"Cylinder 1 -2 3 90\nTorus 2 0.5 0 360 360\n", {-2.5, 2.5, -2.5, 2.5, -2, 3}},
        {"Hyperboloid 1 0 -1 0 3 2 360\nParaboloid 1 0 4 360\n", {-3, 3, -3, 3, -1, 4}},
        {"Polygon \"P\" [0 0 0 1 0 0 1 2 0]\nPoints \"P\" [5 5 5] \"width\" [2]\n", {0, 6, 0, 6, 0, 6}},
        {"Patch \"bilinear\" \"Pz\" [1 2 3 4]\n", {0, 1, 0, 1, 1, 4}},
        {"NuPatch 2 2 [0 0 1 1] 0 1 1 1 [0 1] 0 1 \"Pw\" [2 0 0 2 4 4 4 2]\n", {1, 2, 0, 2, 0, 2}},
        {"Curves \"linear\" [2] \"nonperiodic\" \"P\" [0 0 0 1 1 1] \"constantwidth\" [1]\n",
         {-0.5, 1.5, -0.5, 1.5, -0.5, 1.5}},
        {"SubdivisionMesh \"catmull-clark\" [3] [0 1 2] [] [] [] [] \"P\" [0 0 0 3 0 0 0 0 -3]\n", {0, 3, 0, 0, -3, 0}},
        {"Procedural \"DelayedReadArchive\" [\"a.rib\"] [-1 2 -3 4 -5 6]\n", {-1, 2, -3, 4, -5, 6}},
        // Transforms, their blocks, and the first sample of a motion block.
        {"Translate 1 2 3\nRotate 90 0 0 1\nSphere 1 -1 1 360\n", {0, 2, 1, 3, 2, 4}},
        {"AttributeBegin\nScale 2 2 2\nAttributeEnd\nTransformBegin\nTranslate 9 9 9\nTransformEnd\n"
         "Sphere 1 -1 1 360\n",
         {-1, 1, -1, 1, -1, 1}},
        {"MotionBegin [0 1]\nTranslate 1 0 0\nTranslate 5 0 0\nMotionEnd\nSphere 1 -1 1 360\n", {0, 2, -1, 1, -1, 1}},
        {"Translate 4 0 0\nCoordinateSystem \"here\"\nIdentity\nCoordSysTransform \"here\"\nDisk 0 1 360\n",
         {3, 5, -1, 1, 0, 0}},
        // An object's box placed by each instance; world space in a world.
        {"ObjectBegin 1\nSphere 1 -1 1 360\nObjectEnd\nTranslate 0 0 10\nObjectInstance 1\n", {-1, 1, -1, 1, 9, 11}},
        {"Translate 0 0 5\nWorldBegin\nDisk 0 1 360\nWorldEnd\n", {-1, 1, -1, 1, 0, 0}},
    };
    for (const auto &c : cases) {
        BoundingContext bounding;
        CollectedErrors errors;
        parseRib(c.stream, std::char_traits<char>::length(c.stream), "in", bounding, errors);
        EXPECT_EQ(errors.text, "") << c.stream;
        ASSERT_TRUE(bounding.measured()) << c.stream;
        RtBound bound;
        bounding.bound(bound);
        for (int i = 0; i < 6; ++i) EXPECT_NEAR(bound[i], c.bound[i], 1e-5) << c.stream << " value " << i;
    }
}

TEST(BoundingContext, RoundsOutwardAndMeasuresNothingWithoutGeometry) {
    BoundingContext empty;
    empty.Translate(1, 2, 3);
    EXPECT_FALSE(empty.measured());

    BoundingContext bounding;
    RtFloat p[] = {0.1f, 0.2f, 0.3f};
    RtToken tokens[] = {const_cast<char *>("P")};
    RtPointer values[] = {p};
    bounding.Translate(0.7f, 0.7f, 0.7f);
    bounding.PointsV(1, 1, tokens, values);
    RtBound bound;
    bounding.bound(bound);
    const double exact[3] = {double(0.1f) + double(0.7f), double(0.2f) + double(0.7f), double(0.3f) + double(0.7f)};
    for (int axis = 0; axis < 3; ++axis) {
        EXPECT_LE(bound[2 * axis], exact[axis]) << axis;
        EXPECT_GE(bound[2 * axis + 1], exact[axis]) << axis;
    }
}

}  // namespace
