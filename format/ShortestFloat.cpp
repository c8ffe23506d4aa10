// The shortest digits, in exact integer arithmetic: the float and the ends of
// its rounding interval are scaled by a power of ten (a 64-bit significand
// from a table) to units where the interval holds at most one digit more than
// the shortest; the shortest number inside wins, the nearest of two, the even
// one at a tie. For most floats one 64x64-bit multiplication scales the value
// and the ends follow from it by addition; the others take one for each.
//
// Which candidate wins, how many digits it has and where the point goes all
// depend on the data, so the choices are made with selects rather than
// branches. The digits are assembled in a 64-bit word (the first in the
// lowest byte) and stored whole: no digit goes through memory before it is
// written out. Arrays are converted a block at a time, all their digits and
// then all their text.
#include "format/ShortestFloat.h"

#include "format/DigitPairs.h"
#include "format/FloatFormat.h"
#include "format/IntegerText.h"
#include "format/PowersOfTen.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace quillet {

namespace {

const uint32_t kIntegerPowers[] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};
// Every float has a nine-digit text that reads back exactly.
const int kNineDigits = 9;

// The 128-bit product of a and b: its high 64 bits, and the low ones in low.
inline uint64_t multiplyFull(uint64_t a, uint64_t b, uint64_t &low) {
#if defined(__SIZEOF_INT128__)
    const unsigned __int128 product = (unsigned __int128)a * b;
    low = uint64_t(product);
    return uint64_t(product >> 64);
#else
    const uint64_t aLow = uint32_t(a), aHigh = a >> 32;
    const uint64_t bLow = uint32_t(b), bHigh = b >> 32;
    const uint64_t lowLow = aLow * bLow;
    const uint64_t highLow = aHigh * bLow;
    const uint64_t lowHigh = aLow * bHigh;
    const uint64_t middle = (lowLow >> 32) + uint32_t(highLow) + uint32_t(lowHigh);
    low = a * b;
    return aHigh * bHigh + (highLow >> 32) + (lowHigh >> 32) + (middle >> 32);
#endif
}

// floor(log10(2^e)), floor(log10(3/4 * 2^e)) and floor(log2(10^e)) for the
// exponents of floats, by fixed-point multiplication.
constexpr int floorLog10Pow2(int e) {
    return int((int64_t(e) * 661971961083LL) >> 41);
}
constexpr int floorLog10ThreeQuartersPow2(int e) {
    return int((int64_t(e) * 661971961083LL - 274743187321LL) >> 41);
}
constexpr int floorLog2Pow10(int e) {
    return int((int64_t(e) * 913124641741LL) >> 38);
}

// The shift that puts c x 2^q, scaled by 10^-k, in the high word of its
// product with 10^-k's significand with 33 fractional bits.
constexpr int scalingShift(int q, int k) {
    return q + floorLog2Pow10(-k) + 33;
}

// The high word of a scaled value, g * cp / 2^64, to two fractional bits
// (g * cp / 2^95), its lowest bit set when the bits below are not all zero,
// so that comparisons with multiples of 4 are exact.
inline uint32_t roundToOdd(uint64_t high) {
    return uint32_t((high >> 31) | (((high & 0xFFFFFFFFu) + 0xFFFFFFFFu) >> 32));
}

const uint32_t kSmallestNormalSignificand = 1u << 23;
const int kSmallestExponent = -149;
const int kExponentBias = 150;

// Decimal digits x 10^exponent; the digits may end in zeros.
struct Decimal {
    uint32_t digits;
    int exponent;
};

// The shortest of the numbers in units of 10^k in the rounding interval
// [low, high], given with the value to two fractional bits: one digit fewer
// if exactly one number with it lies inside, else the number below or above
// the value, whichever lies inside, the nearer when both do, the even one at a
// tie. The choice depends on the data, so it is made without branches.
inline Decimal chooseShortest(uint32_t value, uint32_t low, uint32_t high, int k) {
    const uint32_t s = value >> 2;
    const uint32_t t = s + 1;
    const uint32_t up = s / 10 * 10 + 10;
    const uint32_t downInside = low <= (up - 10) << 2;
    const uint32_t upInside = up << 2 <= high;
    const uint32_t shorter = uint32_t(s >= 10) & (downInside ^ upInside);
    const uint32_t shortOne = up - 10 * downInside;
    const uint32_t sInside = low <= s << 2;
    const uint32_t tInside = t << 2 <= high;
    const int32_t side = int32_t(value - ((s + t) << 1));
    const uint32_t nearerS = uint32_t(side < 0) | (uint32_t(side == 0) & ~s & 1);
    const uint32_t oneInside = sInside ^ tInside;
    const uint32_t sameOne = s + ((oneInside & ~sInside) | (~oneInside & ~nearerS & 1));
    return {sameOne ^ ((sameOne ^ shortOne) & (0u - shorter)), k};
}

// The shortest digits of c x 2^q in its rounding interval (closed when c is
// even, as reading rounds half to even): the value and each end scaled by
// 10^-k, one 64x64-bit multiplication each, so that at most one digit more
// than the shortest is left. Fewer than 10^9 digits come out.
Decimal shortestOf(uint32_t c, int q) {
    const uint32_t odd = c & 1;
    const uint64_t scaled = uint64_t(c) << 2;
    // At a power of two the neighbour below is nearer.
    const bool irregular = c == kSmallestNormalSignificand && q != kSmallestExponent;
    const uint64_t scaledLow = scaled - 2 + irregular;
    const uint64_t scaledHigh = scaled + 2;
    const int k = irregular ? floorLog10ThreeQuartersPow2(q) : floorLog10Pow2(q);
    const int h = scalingShift(q, k);
    const uint64_t g = kPowersOfTen[-k - kPowerMin];
    uint64_t unused;
    const uint32_t value = roundToOdd(multiplyFull(g, scaled << h, unused));
    const uint32_t low = roundToOdd(multiplyFull(g, scaledLow << h, unused)) + odd;
    const uint32_t high = roundToOdd(multiplyFull(g, scaledHigh << h, unused)) - odd;
    return chooseShortest(value, low, high, k);
}

// Units of the products' high words.
const int kUnitBits = 33;
const uint64_t kUnit = uint64_t(1) << kUnitBits;

// The scaling of shortestOf for each biased exponent of a normal float whose
// significand is not a power of two, worked out ahead: the decimal exponent
// k, the shift of the significand (h, and 2 for the quarter units), the
// significand g of 10^-k, and g << (h + 1) as two words, the scaled half-width
// of the rounding interval, so that the interval's ends come from the value's
// product by one addition and one subtraction.
struct Scaling {
    uint64_t g, halfHigh, halfLow;
    uint64_t scale;  // 2^(h + 2): a multiplication moves the significand more cheaply than a shift by a variable
    int k;
};

// Biased exponents of finite floats: 1 to 254 for normal ones.
const uint32_t kLargestBiasedExponent = 254;

struct ScalingTable {
    Scaling entries[kLargestBiasedExponent + 1];
    constexpr ScalingTable() : entries() {
        for (int biased = 1; biased <= int(kLargestBiasedExponent); ++biased) {
            const int q = biased - kExponentBias;
            const int k = floorLog10Pow2(q);
            const int h = scalingShift(q, k);
            const uint64_t g = kPowersOfTen[-k - kPowerMin];
            entries[biased] = {g, g >> (63 - h), g << (h + 1), uint64_t(1) << (h + 2), k};
        }
    }
};
constexpr ScalingTable kScalings;

// shortestOf for a normal float whose significand is not a power of two.
// Its interval is between 1 and 10 units wide and centred on the value, so
// the choice is simpler: the one multiple of ten inside if there is one (one
// digit fewer), else the nearest whole unit, even at a tie, which lies inside.
// The value and the ends stay in the products' high words, units of 2^33:
// comparing a multiple of 2^33 with a high word decides what comparing it
// with the word rounded to two fractional bits, the lowest one sticky, would.
inline Decimal shortestOfNormal(uint32_t c, const Scaling &scaling) {
    const uint64_t odd = c & 1;
    uint64_t low;
    const uint64_t value = multiplyFull(scaling.g, c * scaling.scale, low);
    const uint64_t aboveLow = low + scaling.halfLow;
    // A unit u lies inside when lowEnd <= u << 33 <= highEnd; an odd c leaves
    // the ends out.
    const uint64_t lowEnd = value - scaling.halfHigh - (low < scaling.halfLow) + odd;
    const uint64_t highEnd = value + scaling.halfHigh + (aboveLow < low) - odd;
    const uint64_t tens = uint32_t(highEnd >> kUnitBits) / 10 * 10;
    // Half a unit rounds to the even one.
    const uint64_t nearest = (value + (kUnit / 2 - 1) + ((value >> kUnitBits) & 1)) >> kUnitBits;
    const uint64_t tensInside = 0u - uint64_t(tens << kUnitBits >= lowEnd);
    return {uint32_t(nearest ^ ((nearest ^ tens) & tensInside)), scaling.k};
}

const uint32_t kDoubleRoundingPattern = 0x15AE43FD;
const Decimal kDoubleRoundingDecimal = {70385307, -33};

// The shortest digits of any finite, positive float (bits without the sign).
Decimal shortestDigits(uint32_t bits) {
    // The one float whose shortest text (7.038531e-26) strtod reads as the
    // double half-way to its neighbour, which (float) then rounds to the
    // neighbour (found by checking every bit pattern): eight digits instead.
    if (bits == kDoubleRoundingPattern) return kDoubleRoundingDecimal;
    const uint32_t fraction = bits & 0x7FFFFF;
    const int biased = int(bits >> 23);
    if (biased == 0) return shortestOf(fraction, kSmallestExponent);
    return shortestOf(fraction | kSmallestNormalSignificand, biased - kExponentBias);
}

// The number of decimal digits of n (n > 0).
inline int digitCount(uint32_t n) {
    const int bits = 32 - __builtin_clz(n);
    const int estimate = (bits * 1233) >> 12;
    return estimate + (n >= kIntegerPowers[estimate] ? 1 : 0);
}

const uint64_t kAsciiZeros = integertext::kAsciiZeros;
// "0.000000" as a word.
const uint64_t kZeroPoint = 0x3030303030302E30ull;

// The bytes of a word below position n (0 to 8).
constexpr uint64_t bytesBelow(int n) {
    return n >= 8 ? ~uint64_t(0) : (uint64_t(1) << (8 * n)) - 1;
}

// Stores a word with its lowest byte first.
inline void storeWord(char *p, uint64_t word) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    word = __builtin_bswap64(word);
#endif
    std::memcpy(p, &word, 8);
}

// Writes the first eight digits (a word, the first digit in its lowest byte)
// and the ninth moved up by shift bytes, then over the start a word that
// holds what goes before them and repeats them from its byte shift on.
inline void putMovedDigits(char *p, uint64_t first, uint32_t ninth, int64_t shift, uint64_t start) {
    storeWord(p + shift, first);
    p[shift + 8] = char(ninth);
    storeWord(p, start);
}

// Fixed notation for the decimal exponents -4 to 5, from the nine digits:
// the digits up to the point are kept, the point put in (or "0.000" before
// them), and the rest moved up by shift bytes (a multiplication by
// 256^shift); the text is shift bytes longer than its digits, or as long as
// its whole part if the digits end before the point.
struct FixedLayout {
    uint64_t keep, added, moved, scale;
    int64_t shift, wholeLength;
};

const int kFixedExponentMin = -4;
const int kFixedExponentMax = kGeneralPrecision - 1;

struct FixedLayoutTable {
    FixedLayout entries[kFixedExponentMax - kFixedExponentMin + 1];
    constexpr FixedLayoutTable() : entries() {
        for (int exponent = kFixedExponentMin; exponent <= kFixedExponentMax; ++exponent) {
            FixedLayout &layout = entries[exponent - kFixedExponentMin];
            if (exponent >= 0) {
                const int whole = exponent + 1;
                layout = {bytesBelow(whole), uint64_t('.') << (8 * whole), ~bytesBelow(whole + 1), 256, 1, whole};
            } else {
                const int shift = 1 - exponent;  // "0." and -exponent - 1 zeros
                layout = {0, kZeroPoint & bytesBelow(shift), ~uint64_t(0), uint64_t(1) << (8 * shift), shift, 0};
            }
        }
    }
};
constexpr FixedLayoutTable kFixedLayouts;

// The shortest digits of a float and its sign: what the text is written from.
struct ShortestDigits {
    uint32_t aligned;  // the digits left-aligned to nine (trailing zeros); 0 for zero, NaN and infinities
    int exponent;      // the decimal exponent of the first digit
    uint32_t sign;     // 1 for a negative value
};

// Multipliers that left-align seven, eight and nine digits to nine.
const uint32_t kAlignments[] = {100, 10, 1};

inline ShortestDigits shortestDigitsOf(float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const uint32_t magnitude = bits & 0x7FFFFFFF;
    const uint32_t fraction = bits & 0x7FFFFF;
    const uint32_t biased = magnitude >> 23;
    if (fraction != 0 && biased - 1 < kLargestBiasedExponent && magnitude != kDoubleRoundingPattern) {
        // The common case: the shortest of a significand of 2^23 to 2^24 has
        // seven to nine digits.
        const Decimal decimal = shortestOfNormal(fraction | kSmallestNormalSignificand, kScalings.entries[biased]);
        const uint32_t more = uint32_t(decimal.digits >= 10000000) + uint32_t(decimal.digits >= 100000000);
        return {decimal.digits * kAlignments[more], decimal.exponent + 6 + int(more), bits >> 31};
    }
    if (magnitude == 0 || biased > kLargestBiasedExponent) return {0, 0, 0};
    const Decimal decimal = shortestDigits(magnitude);
    const int count = digitCount(decimal.digits);
    return {decimal.digits * kIntegerPowers[kNineDigits - count], decimal.exponent + count - 1, bits >> 31};
}

// Writes the text of shortest digits; returns its length.
inline size_t writeShortest(char *buffer, ShortestDigits shortest) {
    // The sign without a branch: signs of data are often random.
    char *p = buffer;
    *p = '-';
    p += shortest.sign;

    // The digits as nine in three groups of three from the table; the last
    // one that is not '0' ends them.
    // Exact quotients by multiplication: by 10^6 below 2^32, by 10^3 below
    // 10^6.
    const uint32_t aligned = shortest.aligned;
    const uint32_t high = uint32_t((uint64_t(aligned) * 1125899907) >> 50);
    const uint32_t rest = aligned - high * 1000000;
    const uint32_t middle = uint32_t((uint64_t(rest) * 1073742) >> 30);
    const uint32_t lowGroup = digitGroup(rest - middle * 1000);
    const uint64_t first = digitGroup(high) | uint64_t(digitGroup(middle)) << 24 | uint64_t(lowGroup) << 48;
    const uint32_t ninth = lowGroup >> 16;
    // The first digit is never '0', so some byte of the first eight differs;
    // a select rather than a branch, as whole and fractional data alternate.
    const int64_t lastOfEight = (63 - __builtin_clzll(first ^ kAsciiZeros)) >> 3;
    const int64_t nine = 0 - int64_t(ninth != '0');
    const int64_t count = (kNineDigits & nine) | ((lastOfEight + 1) & ~nine);
    const int exponent = shortest.exponent;

    if (usesScientificNotation(exponent, kGeneralPrecision)) {
        // d.ddde-XX: a float's decimal exponent has two digits.
        putMovedDigits(p, first, ninth, 1, (first & 0xFF) | uint64_t('.') << 8 | ((first << 8) & ~uint64_t(0xFFFF)));
        p += count > 1 ? count + 1 : 1;
        p[0] = 'e';
        p[1] = exponent < 0 ? '-' : '+';
        putTwoDigits(p + 2, uint32_t(exponent < 0 ? -exponent : exponent));
        return size_t(p + 4 - buffer);
    }
    const FixedLayout &layout = kFixedLayouts.entries[exponent - kFixedExponentMin];
    putMovedDigits(p, first, ninth, layout.shift,
                   (first & layout.keep) | layout.added | ((first * layout.scale) & layout.moved));
    const int64_t length = count > layout.wholeLength ? count + layout.shift : layout.wholeLength;
    return size_t(p - buffer) + size_t(length);
}

}  // namespace

size_t formatShortestList(char *buffer, const float *values, size_t count, bool &nonFinite) {
    // A block of values at a time, their digits first and then their text:
    // two short chains of work per value, which the processor overlaps
    // across the block, rather than one long one.
    const size_t kBlock = 32;
    ShortestDigits block[kBlock];
    char *p = buffer;
    for (size_t done = 0; done < count; done += kBlock) {
        const size_t n = count - done < kBlock ? count - done : kBlock;
        for (size_t i = 0; i < n; ++i) block[i] = shortestDigitsOf(values[done + i]);
        for (size_t i = 0; i < n; ++i) {
            if (block[i].aligned != 0) {
                p += writeShortest(p, block[i]);
            } else {
                // Zero, NaN and the infinities have one text at every precision.
                p += formatGeneral(p, values[done + i]);
                nonFinite |= !std::isfinite(values[done + i]);
            }
            *p++ = ' ';
        }
    }
    return count == 0 ? 0 : size_t(p - buffer) - 1;
}

}  // namespace quillet
