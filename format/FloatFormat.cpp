// Float text without printf. "%g" and "%.<n>g": the value is scaled by a
// power of ten into [10^(n-1), 10^n) in double arithmetic and rounded to an
// integer, whose digits are those of "%.<n>g". The scaling rounds at most a few
// times, each by half a double ulp, so the scaled value is within a small
// tolerance of the exact one; only when it lies that close to a rounding
// midpoint could the two round differently, and then std::to_chars (which
// rounds the exact value as printf does) decides.
//
// The shortest text is rib/ShortestFloat's.
#include "format/FloatFormat.h"

#include "format/DigitPairs.h"
#include "format/ShortestFloat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace quillet {

static_assert(kShortestTextRoom <= kGeneralTextMax, "the shortest text fits the general room");

namespace {

const double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                               1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
const int kLargestExactPower = 22;

// Largest error of a value scaled to n digits, in units of its last digit.
double scaledTolerance(int digits) {
    return kExactPowers[digits] * 1e-14;
}

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

// The six digits of n (10^5 <= n < 10^6) as two groups of three from the
// table; the trailing zeros are those of the second group, and of the first
// when the second is all zeros.
void putSixDigits(Decimal &d, uint32_t n) {
    const char *high = threeDigits(n / 1000);
    const char *low = threeDigits(n % 1000);
    std::memcpy(d.digits, high, 4);
    std::memcpy(d.digits + 3, low, 4);
    const int lowZeros = low[3];
    d.count = kGeneralPrecision - lowZeros - (lowZeros == 3 ? high[3] : 0);
}

void dropTrailingZeros(Decimal &d) {
    while (d.count > 1 && d.digits[d.count - 1] == '0') --d.count;
}

// The count digits of n, most significant first.
void putDigits(char *digits, uint32_t n, int count) {
    int i = count;
    for (; i >= 2; i -= 2) {
        putTwoDigits(digits + i - 2, n % 100);
        n /= 100;
    }
    if (i == 1) digits[0] = char('0' + n);
}

// The exact rounding at any precision, for the few values near a midpoint.
void roundExactlyTo(double magnitude, int precision, Decimal &d) {
    char text[32];
    auto r = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, precision - 1);
    parseScientific(text, r.ptr, d);
    dropTrailingZeros(d);
}

// Precision significant digits of a finite, positive value: "%.<n>g", and
// "%g" at six.
template <int Precision>
void roundToDigits(double magnitude, Decimal &d) {
    const double lowest = kExactPowers[Precision - 1];
    const double roundsUp = kExactPowers[Precision] - 0.5;
    const double tolerance = scaledTolerance(Precision);
    int exponent = decimalExponentEstimate(magnitude);
    double scaled = scaleByPowerOfTen(magnitude, Precision - 1 - exponent);
    if (scaled >= roundsUp + tolerance) {
        ++exponent;
        scaled = scaleByPowerOfTen(magnitude, Precision - 1 - exponent);
    }
    const double whole = double(int64_t(scaled));  // scaled is positive
    const double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5) < tolerance || scaled < lowest - 0.5 + tolerance) {
        roundExactlyTo(magnitude, Precision, d);
        return;
    }
    const uint32_t n = uint32_t(whole) + (fraction > 0.5 ? 1 : 0);
    d.exponent = exponent;
    if (Precision == kGeneralPrecision) {
        putSixDigits(d, n);
        return;
    }
    putDigits(d.digits, n, Precision);
    d.count = Precision;
    dropTrailingZeros(d);
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

// The general conversion's layout at a precision: scientific notation for
// exponents below -4 or from the precision up.
size_t layout(char *buffer, bool negative, const Decimal &d, int precision) {
    // The sign without a branch: signs of data are often random.
    char *p = buffer;
    *p = '-';
    p += negative;
    const int x = d.exponent;
    if (usesScientificNotation(x, precision)) {
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

// "nan" and "inf" with their sign, as printf writes them; 0 for a finite value.
size_t formatNonFinite(char *buffer, double value) {
    if (std::isfinite(value)) return 0;
    char *p = buffer;
    if (std::signbit(value)) *p++ = '-';
    std::memcpy(p, std::isnan(value) ? "nan" : "inf", 3);
    return size_t(p + 3 - buffer);
}

// Zero as the general conversion writes it.
size_t formatZero(char *buffer, bool negative) {
    char *p = buffer;
    if (negative) *p++ = '-';
    *p++ = '0';
    return size_t(p - buffer);
}

template <int Precision>
size_t formatRounded(char *buffer, double value) {
    if (size_t n = formatNonFinite(buffer, value)) return n;
    const bool negative = std::signbit(value);
    if (value == 0) return formatZero(buffer, negative);
    Decimal d;
    roundToDigits<Precision>(std::fabs(value), d);
    return layout(buffer, negative, d, Precision);
}

}  // namespace

size_t formatGeneral(char *buffer, double value) {
    return formatRounded<kGeneralPrecision>(buffer, value);
}

size_t formatGeneral(char *buffer, float value) {
    return formatGeneral(buffer, double(value));
}

bool isFloatPrecision(int precision) {
    return precision >= kShortestPrecision && precision <= kLargestPrecision;
}

size_t formatFloat(char *buffer, float value, int precision) {
    switch (precision) {
    case 0: {
        bool nonFinite = false;
        return formatShortestList(buffer, &value, 1, nonFinite);
    }
    case 1: return formatRounded<1>(buffer, value);
    case 2: return formatRounded<2>(buffer, value);
    case 3: return formatRounded<3>(buffer, value);
    case 4: return formatRounded<4>(buffer, value);
    case 5: return formatRounded<5>(buffer, value);
    case 6: return formatRounded<6>(buffer, value);
    case 7: return formatRounded<7>(buffer, value);
    case 8: return formatRounded<8>(buffer, value);
    case 9: return formatRounded<9>(buffer, value);
    default: return formatGeneral(buffer, value);
    }
}

size_t formatFloatList(char *buffer, const float *values, size_t count, int precision, bool &nonFinite) {
    if (precision == kShortestPrecision) return formatShortestList(buffer, values, count, nonFinite);
    char *p = buffer;
    for (size_t i = 0; i < count; ++i) {
        if (i > 0) *p++ = ' ';
        p += precision == kDefaultPrecision ? formatGeneral(p, values[i]) : formatFloat(p, values[i], precision);
        nonFinite |= !std::isfinite(values[i]);
    }
    return size_t(p - buffer);
}

size_t formatFixed(char *buffer, double value) {
    if (size_t n = formatNonFinite(buffer, value)) return n;
    auto r = std::to_chars(buffer, buffer + kFixedTextMax, value, std::chars_format::fixed, 6);
    return size_t(r.ptr - buffer);
}

}  // namespace quillet
