// Decimal text of 32-bit integers without printf, for the integer arrays and
// the request writers, and the rule for number text that names an integer.
#ifndef QUILLET_INTEGERTEXT_H
#define QUILLET_INTEGERTEXT_H

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace quillet {

// Longest decimal text of a 32-bit integer: sign and ten digits.
const size_t kInt32TextMax = 11;

// Decimal text of n (no terminator) digit pair by digit pair; its length.
size_t formatUint32(char *text, uint32_t n);

// Whether number text reads as a 32-bit integer: an optional '+' or '-'
// and decimal digits within range, but not a negative zero, which keeps its
// sign only as a float. value gets the integer. A request the reader does
// not know has each number's type from its text by this rule.
bool readsAsInteger(const char *first, const char *last, int32_t &value);

namespace integertext {

// Digits of n (n < 10^8) as eight bytes of value 0 to 9, most significant
// first in memory order (little-endian), split in parallel lanes of one
// 64-bit word: two four-digit halves, then four digit pairs, then eight
// digits. The multiply-and-shift steps divide exactly by 100 below 10^4 and
// by 10 below 100, and no lane overflows into the next.
inline uint64_t eightDigitValues(uint32_t n) {
    uint64_t v = uint64_t(n / 10000) | uint64_t(n % 10000) << 32;
    uint64_t q = (v * 10486) >> 20 & 0x0000007F0000007Full;
    v = q | (v - q * 100) << 16;
    q = (v * 103) >> 10 & 0x000F000F000F000Full;
    return q | (v - q * 10) << 8;
}

// Leading zero digits of eightDigitValues: its low zero bytes, at most seven
// (the last digit is kept for n = 0).
inline unsigned leadingZeroDigits(uint64_t digitValues) {
    return unsigned(__builtin_ctzll(digitValues | 1ull << 56)) >> 3;
}

const uint64_t kAsciiZeros = 0x3030303030303030ull;

}  // namespace integertext

// Writes the decimal text of value (no terminator); returns its length. text
// must have room for kInt32TextMax bytes, which may all be overwritten.
// Inline: the integer arrays call it once per value.
inline size_t formatInt32(char *text, int32_t value) {
    char *p = text;
    uint32_t n = uint32_t(value);
    if (value < 0) {
        *p++ = '-';
        n = 0u - n;
    }
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    // Below 10^8: all eight digits at once, leading zeros shifted out, one
    // eight-byte store (the sign and eight bytes fit in kInt32TextMax).
    if (n < 100000000u) {
        const uint64_t values = integertext::eightDigitValues(n);
        const unsigned zeros = integertext::leadingZeroDigits(values);
        const uint64_t digits = (values + integertext::kAsciiZeros) >> (8 * zeros);
        std::memcpy(p, &digits, 8);
        return size_t(p - text) + 8 - zeros;
    }
#endif
    return size_t(p - text) + formatUint32(p, n);
}

}  // namespace quillet

#endif
