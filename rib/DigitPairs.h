// Two decimal digits at a time, for the integer and float text writers.
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

}  // namespace quillet

#endif
