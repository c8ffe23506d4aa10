// Float text at a precision: the shortest text against reading back and
// against std::to_chars, "%.<n>g" and "%f" against printf.
#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
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

float fromBits(uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string textAt(float value, int precision) {
    char text[kGeneralTextMax];
    return std::string(text, formatFloat(text, value, precision));
}

std::string printfText(const char *format, int precision, double value) {
    char text[400];
    const int n = std::snprintf(text, sizeof text, format, precision, value);
    return std::string(text, size_t(n));
}

bool readsBackThroughBoth(const std::string &text, float value) {
    return std::strtof(text.c_str(), nullptr) == value && float(std::strtod(text.c_str(), nullptr)) == value;
}

// Every power of two and of ten a float reaches, the extremes and their
// neighbours.
std::vector<float> edgeValues() {
    std::vector<float> values = {0.0f,         std::numeric_limits<float>::denorm_min(),
                                 FLT_MIN,      FLT_MAX,
                                 0.1f,         0.3f,
                                 123456.789f,  1e6f,
                                 1234567.0f,   16777216.0f,
                                 9.999999e-5f, 999999.5f};
    for (int e = -149; e <= 127; ++e) values.push_back(std::ldexp(1.0f, e));
    for (int e = -45; e <= 38; ++e) values.push_back(std::strtof(("1e" + std::to_string(e)).c_str(), nullptr));
    const size_t count = values.size();
    for (size_t i = 0; i < count; ++i) {
        values.push_back(std::nextafter(values[i], 0.0f));
        values.push_back(std::nextafter(values[i], std::numeric_limits<float>::infinity()));
    }
    return values;
}

// A dense, even sample of every finite positive bit pattern (denormals
// included), then the edges.
std::vector<float> denseSample() {
    std::vector<float> values;
    const uint32_t stride = 1021;
    for (uint32_t bits = 0; bits < 0x7F800000u; bits += stride) values.push_back(fromBits(bits));
    for (uint32_t bits = 0x7F800000u - 4096; bits < 0x7F800000u; ++bits) values.push_back(fromBits(bits));
    for (uint32_t bits = 1; bits < 4096; ++bits) values.push_back(fromBits(bits));
    for (float v : edgeValues())
        if (std::isfinite(v)) values.push_back(v);
    return values;
}

TEST(FloatPrecision, ShortestReadsBackAndIsShortest) {
    int failures = 0;
    for (float magnitude : denseSample()) {
        for (float value : {magnitude, -magnitude}) {
            const std::string text = textAt(value, kShortestPrecision);
            char reference[32];
            const auto end = std::to_chars(reference, reference + sizeof reference, value, std::chars_format::general);
            const std::string shortest(reference, end.ptr);
            // to_chars gives the shortest text for strtof; where (float)strtod
            // reads that text otherwise, a longer one is the answer.
            const bool same = readsBackThroughBoth(shortest, value) ? text == shortest : text.size() > shortest.size();
            if ((!readsBackThroughBoth(text, value) || !same) && ++failures <= 10)
                ADD_FAILURE() << printfText("%.*g", 9, value) << ": " << text << " (to_chars " << shortest << ")";
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(FloatPrecision, ShortestOfSpecialValues) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::pair<float, const char *> cases[] = {
        {0.0f, "0"},
        {-0.0f, "-0"},
        {inf, "inf"},
        {-inf, "-inf"},
        {nan, "nan"},
        {-nan, "-nan"},
        {1.0f, "1"},
        {0.5f, "0.5"},
        {100000.0f, "100000"},
        {1e6f, "1e+06"},
        {1234567.0f, "1.234567e+06"},
        {123456.789f, "123456.79"},
        {0.0001f, "0.0001"},
        {1e-5f, "1e-05"},
        {FLT_MAX, "3.4028235e+38"},
        {std::numeric_limits<float>::denorm_min(), "1e-45"},
        // strtof reads 7.038531e-26 back, (float)strtod reads its neighbour:
        // the one value whose shortest text needs the longer form.
        {fromBits(0x15AE43FD), "7.0385307e-26"},
        {-fromBits(0x15AE43FD), "-7.0385307e-26"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(textAt(c.first, kShortestPrecision), c.second);
        if (std::isfinite(c.first)) {
            EXPECT_TRUE(readsBackThroughBoth(c.second, c.first)) << c.second;
        }
    }
}

// A list is its values' texts one space apart, at any length (the shortest
// text converts blocks of values), and says whether any was NaN or infinite.
TEST(FloatPrecision, ListsAreTheirValuesTextsOneSpaceApart) {
    std::vector<float> finite = edgeValues();
    finite.erase(finite.begin() + 75, finite.end());
    std::vector<float> withNaN = finite;
    withNaN[70] = std::numeric_limits<float>::quiet_NaN();
    std::vector<float> withInfinity(finite.begin(), finite.begin() + 40);
    withInfinity.back() = -std::numeric_limits<float>::infinity();
    const struct {
        const std::vector<float> &values;
        size_t count;
        bool nonFinite;
    } cases[] = {{finite, 0, false},  {finite, 1, false},   {finite, 32, false},      {finite, 75, false},
                 {withNaN, 75, true}, {withNaN, 70, false}, {withInfinity, 40, true}, {withInfinity, 39, false}};
    for (int precision : {kShortestPrecision, 3, kDefaultPrecision}) {
        for (const auto &c : cases) {
            std::string expected;
            for (size_t i = 0; i < c.count; ++i) expected += (i > 0 ? " " : "") + textAt(c.values[i], precision);
            std::vector<char> text(c.count * (kGeneralTextMax + 1) + 1);
            bool nonFinite = false;
            const size_t length = formatFloatList(text.data(), c.values.data(), c.count, precision, nonFinite);
            EXPECT_EQ(std::string(text.data(), length), expected) << precision << " " << c.count;
            EXPECT_EQ(nonFinite, c.nonFinite) << precision << " " << c.count;
        }
    }
}

TEST(FloatPrecision, DigitsOneToNineMatchPrintf) {
    std::vector<float> values = edgeValues();
    std::mt19937 random(14);
    for (int i = 0; i < 100000; ++i) values.push_back(fromBits(random()));
    for (int precision = 1; precision <= kLargestPrecision; ++precision) {
        int failures = 0;
        for (float value : values) {
            for (float v : {value, -value}) {
                const std::string expected = printfText("%.*g", precision, v);
                if (textAt(v, precision) != expected && ++failures <= 5)
                    ADD_FAILURE() << "%." << precision << "g of " << expected << " gives " << textAt(v, precision);
            }
        }
        EXPECT_EQ(failures, 0) << "precision " << precision;
    }
}

TEST(FloatPrecision, FixedMatchesPrintf) {
    std::vector<double> values;
    for (float v : edgeValues()) values.push_back(v);
    std::mt19937 random(7);
    for (int i = 0; i < 100000; ++i) values.push_back(fromBits(random()));
    for (double v : {1e300, -2.5e-7, 0.5000005, 0.0000005, 1.0000005, 2.5e-310}) values.push_back(v);
    int failures = 0;
    for (double value : values) {
        for (double v : {value, -value}) {
            char text[kFixedTextMax];
            const std::string fixed(text, formatFixed(text, v));
            const std::string expected = printfText("%.*f", 6, v);
            if (fixed != expected && ++failures <= 5) ADD_FAILURE() << expected << " gives " << fixed;
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(FloatPrecision, AcceptedPrecisions) {
    for (int precision = -2; precision <= 11; ++precision)
        EXPECT_EQ(isFloatPrecision(precision), precision >= 0 && precision <= 9) << precision;
}

}  // namespace
