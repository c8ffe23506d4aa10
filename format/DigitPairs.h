// Two and three decimal digits at a time, for the integer and float text
// writers.
#ifndef QUILLET_DIGITPAIRS_H
#define QUILLET_DIGITPAIRS_H

#include <cstdint>

namespace quillet {

inline const char *digitPairs() {
    static const char kPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                                 "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                                 "8081828384858687888990919293949596979899";
    return kPairs;
}

// Writes the two digits of n (0..99) at text.
inline void putTwoDigits(char *text, uint32_t n) {
    const char *pair = digitPairs() + 2 * n;
    text[0] = pair[0];
    text[1] = pair[1];
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

// The three digits of n (0..999) and their trailing zero count.
inline const char *threeDigits(uint32_t n) {
    static constexpr ThreeDigitTable kThreeDigits;
    return kThreeDigits.entries[n];
}

// "000" to "999" as words: the first digit in the lowest byte, the highest
// byte clear, so that groups combine into a longer text by shifts alone.
struct DigitGroupTable {
    uint32_t entries[1000];
    constexpr DigitGroupTable() : entries() {
        for (uint32_t i = 0; i < 1000; ++i)
            entries[i] = ('0' + i / 100) | ('0' + i / 10 % 10) << 8 | ('0' + i % 10) << 16;
    }
};

// The three digits of n (0..999) as a word.
inline uint32_t digitGroup(uint32_t n) {
    static constexpr DigitGroupTable kDigitGroups;
    return kDigitGroups.entries[n];
}

}  // namespace quillet

#endif
