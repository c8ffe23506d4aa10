// Filter weights at the interesting points, and the identity of the standard
// functions that stream writers compare by address.
#include <cmath>
#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "quillet/ri.h"

namespace {

// A weight at (x, y) for the widths xwidth by ywidth.
struct Weight {
    RtFloat x, y, xwidth, ywidth;
    double expected;
};

struct FilterCase {
    const char *name;
    RtFilterFunc filter;
    std::vector<Weight> weights;
};

void PrintTo(const FilterCase &c, std::ostream *os) {
    *os << c.name;
}

class FilterTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(FilterTest, Weights) {
    const FilterCase &c = GetParam();
    for (const Weight &w : c.weights) {
        EXPECT_NEAR(c.filter(w.x, w.y, w.xwidth, w.ywidth), w.expected, 1e-6)
            << c.name << "(" << w.x << ", " << w.y << ", " << w.xwidth << ", " << w.ywidth << ")";
    }
}

const FilterCase kCases[] = {
    {"box",
     RiBoxFilter,
     {{0.5f, 0, 1, 1, 0.0}, {0.49f, 0, 1, 1, 1.0}, {0, -0.5f, 1, 1, 0.0}, {-0.9f, 1.9f, 2, 4, 1.0}}},
    {"triangle",
     RiTriangleFilter,
     {{0.25f, 0.5f, 1, 1, 0.0}, {0.25f, 0, 1, 1, 0.5}, {0.1f, -0.25f, 1, 1, 0.5}, {3, 0, 1, 1, 0.0}}},
    {"catmull-rom",
     RiCatmullRomFilter,
     {{0, 0, 1, 1, 2.0},
      {0, 0, 7, 3, 2.0},
      {0.5f, 0, 1, 1, 1.125},
      {1, 0, 1, 1, 0.0},
      {0, 1.5f, 1, 1, -0.125},
      {2, 0, 1, 1, 0.0},
      {3, 0, 1, 1, 0.0}}},
    {"sinc",
     RiSincFilter,
     {{0, 0, 1, 1, 1.0},
      {0.00005f, 0, 1, 1, 1.0},
      {0.5f, 0, 9, 9, 0.6366198},
      {0, -1, 1, 1, 0.0},
      {2.5f, 0, 1, 1, 0.0}}},
    {"gaussian",
     RiGaussianFilter,
     {{0, 0, 2, 2, 1.0}, {1, 0, 2, 2, 0.1353353}, {0.5f, -0.5f, 2, 2, 0.3678794}, {0, 1, 4, 2, 0.1353353}}},
};

INSTANTIATE_TEST_SUITE_P(StandardFilters, FilterTest, ::testing::ValuesIn(kCases));

TEST(StandardFunctions, EachHasItsOwnAddress) {
    std::set<const void *> addresses = {
        reinterpret_cast<const void *>(RiGaussianFilter), reinterpret_cast<const void *>(RiBoxFilter),
        reinterpret_cast<const void *>(RiTriangleFilter), reinterpret_cast<const void *>(RiCatmullRomFilter),
        reinterpret_cast<const void *>(RiSincFilter),     reinterpret_cast<const void *>(RiProcDelayedReadArchive),
        reinterpret_cast<const void *>(RiProcRunProgram), reinterpret_cast<const void *>(RiProcDynamicLoad),
    };
    EXPECT_EQ(addresses.size(), 8u);
}

}  // namespace
