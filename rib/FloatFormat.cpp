// "%g" without printf. The value is scaled by a power of ten into
// [100000, 1000000) in double arithmetic and rounded to an integer: its six
// digits are those of "%g". The scaling rounds at most a few times, each by
// half a double ulp, so the scaled value is within kTolerance of the exact
// one; only when it lies that close to a rounding midpoint could the two
// round differently, and then std::to_chars with precision 5 (which rounds
// the exact value as printf does) decides. The digits are then laid out by
// the rules of the general conversion with precision 6.
#include "rib/FloatFormat.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace quillet {

namespace {

const int kPrecision = 6;
const double kLowest = 100000.0;         // smallest six-digit integer
const double kRoundsToSeven = 999999.5;  // rounds up to seven digits
const double kTolerance = 1e-8;

const double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                               1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
const int kLargestExactPower = 22;

// Decimal digits and exponent of a value: digits[0].digits[1..] x 10^exponent.
// The count leaves out trailing zeros.
struct Decimal {
    char digits[24];
    int count;
    int exponent;
};

double scaleByPowerOfTen(double value, int n) {
    while (n > kLargestExactPower) {
        value *= kExactPowers[kLargestExactPower];
        n -= kLargestExactPower;
    }
    while (n < -kLargestExactPower) {
        value /= kExactPowers[kLargestExactPower];
        n += kLargestExactPower;
    }
    return n >= 0 ? value * kExactPowers[n] : value / kExactPowers[-n];
}

// floor(log10(2^e)), or one less than log10 of a value in [2^e, 2^(e+1)).
int decimalExponentEstimate(double magnitude) {
    uint64_t bits;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const int biased = int((bits >> 52) & 0x7FF);
    const int binaryExponent = biased != 0 ? biased - 1023 : std::ilogb(magnitude);
    // 78913 / 2^18 is log10(2) to within 2^-19; exact for |e| < 1650.
    return (binaryExponent * 78913) >> 18;
}

// Reads to_chars' scientific text ("d.ddde+XX") without sign.
void parseScientific(const char *first, const char *last, Decimal &d) {
    d.count = 0;
    const char *p = first;
    for (; p < last && *p != 'e'; ++p)
        if (*p != '.') d.digits[d.count++] = *p;
    ++p;  // 'e'
    const bool negative = *p == '-';
    ++p;
    int e = 0;
    for (; p < last; ++p) e = e * 10 + (*p - '0');
    d.exponent = negative ? -e : e;
}

// The exact rounding, for the few values near a midpoint.
void roundExactly(double magnitude, Decimal &d) {
    char text[32];
    auto r = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, kPrecision - 1);
    parseScientific(text, r.ptr, d);
    while (d.count > 1 && d.digits[d.count - 1] == '0') --d.count;
}

// "000" to "999", each followed by its number of trailing zeros (a byte of
// value 0 to 3). Table lookups are shorter than dividing out the digits.
struct ThreeDigitTable {
    char entries[1000][4];
    constexpr ThreeDigitTable() : entries() {
        for (int i = 0; i < 1000; ++i) {
            entries[i][0] = char('0' + i / 100);
            entries[i][1] = char('0' + i / 10 % 10);
            entries[i][2] = char('0' + i % 10);
            entries[i][3] = char(i == 0 ? 3 : i % 100 == 0 ? 2 : i % 10 == 0 ? 1 : 0);
        }
    }
};
constexpr ThreeDigitTable kThreeDigits;

// Six significant digits of a finite, positive value.
void roundToPrecision(double magnitude, Decimal &d) {
    int exponent = decimalExponentEstimate(magnitude);
    double scaled = scaleByPowerOfTen(magnitude, kPrecision - 1 - exponent);
    if (scaled >= kRoundsToSeven + kTolerance) {
        ++exponent;
        scaled = scaleByPowerOfTen(magnitude, kPrecision - 1 - exponent);
    }
    const double whole = double(int64_t(scaled));  // scaled is positive
    const double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5) < kTolerance || scaled < kLowest - 0.5 + kTolerance) {
        roundExactly(magnitude, d);
        return;
    }
    // The six digits as two groups of three from the table; the trailing
    // zeros are those of the second group, and of the first when the second
    // is all zeros.
    const uint32_t n = uint32_t(whole) + (fraction > 0.5 ? 1 : 0);
    const char *high = kThreeDigits.entries[n / 1000];
    const char *low = kThreeDigits.entries[n % 1000];
    std::memcpy(d.digits, high, 4);
    std::memcpy(d.digits + 3, low, 4);
    const int lowZeros = low[3];
    d.count = kPrecision - lowZeros - (lowZeros == 3 ? high[3] : 0);
    d.exponent = exponent;
}

// Runs of at most eight digits or zeros are moved as one eight-byte word (the
// room of kGeneralTextMax allows for it), so that no value costs a call to
// memcpy or memset; longer runs are copied as they are.
inline char *putRun(char *p, const char *from, int count) {
    if (count <= 8)
        std::memcpy(p, from, 8);
    else
        std::memcpy(p, from, size_t(count));
    return p + count;
}

const char kZeros[] = "00000000";

inline char *putZeros(char *p, int count) {
    for (; count > 8; count -= 8) p = putRun(p, kZeros, 8);
    return putRun(p, kZeros, count);
}

size_t layout(char *buffer, bool negative, const Decimal &d) {
    // The sign without a branch: signs of data are often random.
    char *p = buffer;
    *p = '-';
    p += negative;
    const int x = d.exponent;
    if (x < -4 || x >= kPrecision) {
        *p++ = d.digits[0];
        if (d.count > 1) {
            *p++ = '.';
            p = putRun(p, d.digits + 1, d.count - 1);
        }
        *p++ = 'e';
        *p++ = x < 0 ? '-' : '+';
        int e = x < 0 ? -x : x;
        if (e >= 100) {
            *p++ = char('0' + e / 100);
            e %= 100;
        }
        *p++ = char('0' + e / 10);
        *p++ = char('0' + e % 10);
    } else if (x >= 0) {
        const int whole = x + 1;
        if (d.count <= whole) {
            p = putRun(p, d.digits, d.count);
            p = putZeros(p, whole - d.count);
        } else {
            p = putRun(p, d.digits, whole);
            *p++ = '.';
            p = putRun(p, d.digits + whole, d.count - whole);
        }
    } else {
        *p++ = '0';
        *p++ = '.';
        p = putZeros(p, -x - 1);
        p = putRun(p, d.digits, d.count);
    }
    return size_t(p - buffer);
}

}  // namespace

size_t formatGeneral(char *buffer, double value) {
    const bool negative = std::signbit(value);
    char *p = buffer;
    if (std::isnan(value) || std::isinf(value)) {
        if (negative) *p++ = '-';
        std::memcpy(p, std::isnan(value) ? "nan" : "inf", 3);
        return size_t(p + 3 - buffer);
    }
    Decimal d;
    if (value == 0) {
        d.digits[0] = '0';
        d.count = 1;
        d.exponent = 0;
    } else {
        roundToPrecision(std::fabs(value), d);
    }
    return layout(buffer, negative, d);
}

size_t formatGeneral(char *buffer, float value) {
    return formatGeneral(buffer, double(value));
}

}  // namespace quillet
