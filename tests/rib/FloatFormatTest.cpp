// The fast "%g" against printf itself.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "format/FloatFormat.h"

using namespace quillet;

namespace {

std::string printfGeneral(double value) {
    char text[64];
    const int n = std::snprintf(text, sizeof text, "%g", value);
    return std::string(text, size_t(n));
}

std::string fastGeneral(float value) {
    char text[kGeneralTextMax];
    return std::string(text, formatGeneral(text, value));
}

std::string fastGeneral(double value) {
    char text[kGeneralTextMax];
    return std::string(text, formatGeneral(text, value));
}

float fromBits(uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// Both neighbours of a value and the value itself.
void addAround(std::vector<float> &values, float value) {
    values.push_back(std::nextafter(value, -std::numeric_limits<float>::infinity()));
    values.push_back(value);
    values.push_back(std::nextafter(value, std::numeric_limits<float>::infinity()));
}

TEST(FloatFormat, BoundariesMatchPrintf) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    std::vector<float> values = {0.0f,
                                 -0.0f,
                                 inf,
                                 -inf,
                                 nan,
                                 -nan,
                                 std::numeric_limits<float>::denorm_min(),
                                 -std::numeric_limits<float>::denorm_min(),
                                 FLT_MIN,
                                 FLT_MAX,
                                 -FLT_MAX,
                                 0.1f,
                                 0.5f,
                                 1.0f,
                                 100000.0f,
                                 123456.0f,
                                 1234567.0f};
    for (float v : {999999.5f, 9.999995e-5f, 1e6f, 1e-4f, 1e-5f, 999999.0f, 0.0001f, 99999.95f, 9.9999995f, 1e38f,
                    1e-38f, 1e-45f}) {
        addAround(values, v);
        addAround(values, -v);
    }
    // Every power of ten a float reaches, and exact midpoints of six digits
    // that must round to even.
    for (int e = -45; e <= 38; ++e) addAround(values, std::strtof(("1e" + std::to_string(e)).c_str(), nullptr));
    for (float v : {1000005.0f, 1234565.0f, 9999995.0f, 1000015.0f, 0.0009765625f, 152587890625e-16f})
        addAround(values, v);
    for (float v : values) {
        EXPECT_EQ(fastGeneral(v), printfGeneral(v)) << "float bits of " << printfGeneral(v);
        EXPECT_EQ(fastGeneral(double(v)), printfGeneral(v)) << "as double " << printfGeneral(v);
    }
    std::vector<double> doubles = {
        1e300, -2.5e-300, 4.9e-324, 0.1, 1e6 + 0.4, 9.9999949999e-5, 123456.5, 2.5e-310, 1.7976931348623157e308};
    for (int e = -323; e <= 308; ++e) doubles.push_back(std::strtod(("1e" + std::to_string(e)).c_str(), nullptr));
    for (double v : doubles) {
        EXPECT_EQ(fastGeneral(v), printfGeneral(v));
    }
}

// Random bit patterns reach every exponent, denormals, infinities and NaNs.
TEST(FloatFormat, RandomBitPatternsMatchPrintf) {
    std::mt19937 random(20240607);
    int mismatches = 0;
    for (int i = 0; i < 3000000; ++i) {
        const float value = fromBits(random());
        const std::string expected = printfGeneral(value);
        if (fastGeneral(value) != expected && ++mismatches <= 10)
            ADD_FAILURE() << "float " << expected << " gives " << fastGeneral(value);
    }
    EXPECT_EQ(mismatches, 0);
}

// Doubles reach writef's "%g"; most are no float at all.
TEST(FloatFormat, RandomDoublesMatchPrintf) {
    std::mt19937_64 random(7);
    int mismatches = 0;
    for (int i = 0; i < 1000000; ++i) {
        const uint64_t bits = random();
        double value;
        if (i % 2 == 0) {
            std::memcpy(&value, &bits, sizeof value);
        } else {  // within the range of ordinary scene values
            value = std::ldexp(double(bits >> 11) / 9007199254740992.0, int(bits % 121) - 60);
        }
        const std::string expected = printfGeneral(value);
        if (fastGeneral(value) != expected && ++mismatches <= 10)
            ADD_FAILURE() << "double " << expected << " gives " << fastGeneral(value);
    }
    EXPECT_EQ(mismatches, 0);
}

}  // namespace
