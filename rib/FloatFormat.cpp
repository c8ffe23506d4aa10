// Float text without printf. "%g" and "%.<n>g": the value is scaled by a
// power of ten into [10^(n-1), 10^n) in double arithmetic and rounded to an
// integer, whose digits are those of "%.<n>g". The scaling rounds at most a few
// times, each by half a double ulp, so the scaled value is within a small
// tolerance of the exact one; only when it lies that close to a rounding
// midpoint could the two round differently, and then std::to_chars (which
// rounds the exact value as printf does) decides.
//
// The shortest text: the float's rounding interval (half-way to each
// neighbour) is scaled the same way to nine-digit units, and the digits are
// cut back one at a time while a number with that many digits still lies
// inside it, the nearest such number winning. A candidate within the
// tolerance of the interval's ends (where strtof and (float)strtod could
// part), or two equally near, are left to std::to_chars and checked by
// reading back. The digits are then laid out by the rules of the general
// conversion.
#include "rib/FloatFormat.h"

#include "rib/DigitPairs.h"
#include "rib/IntegerText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace quillet {

namespace {

const double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                               1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
const int kLargestExactPower = 22;
const uint32_t kIntegerPowers[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};

// "%g" is "%.6g"; its rule also chooses the notation of the shortest text.
const int kGeneralPrecision = 6;
// Every float has a nine-digit text that reads back exactly.
const int kShortestStart = 9;
const double kNineDigits = 1e9;

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

// The six digits of n (10^5 <= n < 10^6) as two groups of three from the
// table; the trailing zeros are those of the second group, and of the first
// when the second is all zeros.
void putSixDigits(Decimal &d, uint32_t n) {
    const char *high = kThreeDigits.entries[n / 1000];
    const char *low = kThreeDigits.entries[n % 1000];
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

// The nine digits of n (n < 10^9), most significant first.
void putNineDigits(char *digits, uint32_t n) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    digits[0] = char('0' + n / 100000000);
    const uint64_t rest = integertext::eightDigitValues(n % 100000000) + integertext::kAsciiZeros;
    std::memcpy(digits + 1, &rest, 8);
#else
    putDigits(digits, n, 9);
#endif
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

// True when text reads back to value through strtof and through
// (float)strtod alike (from_chars reads as they do in the C locale).
bool readsBack(const char *first, const char *last, float value) {
    float single = 0;
    double wide = 0;
    std::from_chars(first, last, single);
    std::from_chars(first, last, wide);
    return single == value && float(wide) == value;
}

// The shortest digits by std::to_chars, lengthened until they read back
// through both routes.
void shortestExactly(float magnitude, Decimal &d) {
    char text[32];
    auto r = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific);
    for (int digits = 1; !readsBack(text, r.ptr, magnitude) && digits <= kShortestStart; ++digits)
        r = std::to_chars(text, text + sizeof text, magnitude, std::chars_format::scientific, digits - 1);
    parseScientific(text, r.ptr, d);
}

// Where a candidate lies against the rounding interval [low, high].
enum class Placement { inside, outside, undecided };

// Near an end, the exact reading decides.
Placement place(double candidate, double low, double high, double tolerance) {
    if (std::fabs(candidate - low) <= tolerance || std::fabs(candidate - high) <= tolerance)
        return Placement::undecided;
    return candidate > low && candidate < high ? Placement::inside : Placement::outside;
}

// 2^exponent as a double, for exponent within a double's normal range.
double powerOfTwo(int exponent) {
    const uint64_t bits = uint64_t(exponent + 1023) << 52;
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The shortest digits by cutting one digit at a time, both neighbours of
// the value tried at each length: for any interval, the one below a power
// of two included. scaled is the value in nine-digit units, low and high
// the interval's ends in the same units.
void shortestBySearch(float magnitude, double scaled, double low, double high, int exponent, Decimal &d) {
    const double tolerance = scaledTolerance(kShortestStart);
    // Nine digits always lie well inside the interval.
    uint32_t kept = uint32_t(scaled + 0.5);
    int keptDigits = kShortestStart;
    uint32_t leading = uint32_t(scaled);
    double unit = 1;
    for (int digits = kShortestStart - 1; digits >= 1; --digits) {
        leading /= 10;
        unit *= 10;
        const double down = double(leading) * unit;
        const double up = down + unit;
        const Placement downPlace = place(down, low, high, tolerance);
        const Placement upPlace = place(up, low, high, tolerance);
        if (downPlace == Placement::undecided || upPlace == Placement::undecided) {
            shortestExactly(magnitude, d);
            return;
        }
        if (downPlace == Placement::outside && upPlace == Placement::outside) break;
        bool takeDown = downPlace == Placement::inside;
        if (takeDown && upPlace == Placement::inside) {
            const double toDown = scaled - down;
            const double toUp = up - scaled;
            if (std::fabs(toDown - toUp) <= tolerance) {
                shortestExactly(magnitude, d);
                return;
            }
            takeDown = toDown < toUp;
        }
        kept = takeDown ? leading : leading + 1;
        keptDigits = digits;
    }
    if (kept == kIntegerPowers[keptDigits]) {  // rounded up to a power of ten
        kept /= 10;
        ++exponent;
    }
    putDigits(d.digits, kept, keptDigits);
    d.count = keptDigits;
    d.exponent = exponent;
}

// Digits that the fast path may cut; a value that loses all of them may
// lose more and is left to the search.
const int kFastCuts = 4;

// The shortest digits of a finite, positive float.
void shortestDigits(float magnitude, Decimal &d) {
    uint32_t bits;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const uint32_t fractionBits = bits & 0x7FFFFF;
    const int biased = int(bits >> 23);
    // Half-way to each neighbour; the one below is nearer at a power of two.
    const double ulp = powerOfTwo((biased != 0 ? biased : 1) - 150);
    const bool powerOfTwoBelow = fractionBits == 0 && biased > 1;
    const double value = magnitude;

    int exponent = decimalExponentEstimate(value);
    double scaled = scaleByPowerOfTen(value, kShortestStart - 1 - exponent);
    if (scaled >= kNineDigits) {
        ++exponent;
        scaled = scaleByPowerOfTen(value, kShortestStart - 1 - exponent);
    }
    const int shift = kShortestStart - 1 - exponent;
    const double halfWidth = scaleByPowerOfTen(ulp / 2, shift);
    if (powerOfTwoBelow) {
        shortestBySearch(magnitude, scaled, scaled - halfWidth / 2, scaled + halfWidth, exponent, d);
        return;
    }

    // A symmetric interval: at each length only the nearest number can lie
    // inside, and if it does, so does the nearest one with a digit more.
    // cuts counts the trailing digits that can go, without a branch.
    const double tolerance = scaledTolerance(kShortestStart);
    const uint32_t whole = uint32_t(scaled);
    const double fraction = scaled - double(whole);
    const uint32_t cut[kFastCuts + 1] = {0, whole % 10, whole % 100, whole % 1000, whole % 10000};
    const double remainder[kFastCuts + 1] = {fraction, double(cut[1]) + fraction, double(cut[2]) + fraction,
                                             double(cut[3]) + fraction, double(cut[4]) + fraction};
    int cuts = 0;
    bool undecided = false;
    for (int k = 1; k <= kFastCuts; ++k) {
        const double nearest = std::min(remainder[k], kExactPowers[k] - remainder[k]);
        cuts += nearest < halfWidth;
        undecided |= std::fabs(nearest - halfWidth) <= tolerance;
    }
    const double unit = kExactPowers[cuts];
    const double rest = remainder[cuts];
    undecided |= std::fabs(rest - unit / 2) <= tolerance;  // two nearest numbers
    if (undecided) {
        shortestExactly(magnitude, d);
        return;
    }
    if (cuts == kFastCuts) {
        shortestBySearch(magnitude, scaled, scaled - halfWidth, scaled + halfWidth, exponent, d);
        return;
    }
    // The kept digits, followed by zeros in place of the cut ones.
    uint32_t padded = whole - cut[cuts] + (rest > unit / 2 ? kIntegerPowers[cuts] : 0);
    d.count = kShortestStart - cuts;
    if (padded == kIntegerPowers[kShortestStart]) {  // rounded up to a power of ten
        padded /= 10;
        ++exponent;
    }
    putNineDigits(d.digits, padded);
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

// The general conversion's layout at a precision: scientific notation for
// exponents below -4 or from the precision up.
size_t layout(char *buffer, bool negative, const Decimal &d, int precision) {
    // The sign without a branch: signs of data are often random.
    char *p = buffer;
    *p = '-';
    p += negative;
    const int x = d.exponent;
    if (x < -4 || x >= precision) {
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

size_t formatShortest(char *buffer, float value) {
    if (size_t n = formatNonFinite(buffer, value)) return n;
    const bool negative = std::signbit(value);
    if (value == 0) return formatZero(buffer, negative);
    Decimal d;
    shortestDigits(std::fabs(value), d);
    dropTrailingZeros(d);
    return layout(buffer, negative, d, kGeneralPrecision);
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
    case 0: return formatShortest(buffer, value);
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

size_t formatFixed(char *buffer, double value) {
    if (size_t n = formatNonFinite(buffer, value)) return n;
    auto r = std::to_chars(buffer, buffer + kFixedTextMax, value, std::chars_format::fixed, 6);
    return size_t(r.ptr - buffer);
}

}  // namespace quillet
