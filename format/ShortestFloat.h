// The shortest text of a float that reads back to the same float, through
// strtof and through (float)strtod alike, laid out as printf's "%g" lays out
// its digits: scientific notation for decimal exponents below -4 or from 6 up,
// trailing zeros dropped.
#ifndef QUILLET_SHORTESTFLOAT_H
#define QUILLET_SHORTESTFLOAT_H

#include <cstddef>

namespace quillet {

// Bytes that the text of one value may take: the longest
// ("-1.23456789e-38") is 15 characters, and scratch bytes follow it.
const size_t kShortestTextRoom = 20;

// Writes the texts of count values of any kind one space apart (zero, NaN and
// the infinities as "%g" writes them); returns the length, and sets nonFinite
// when a value is NaN or infinite. The buffer needs room for
// count * (kShortestTextRoom + 1) bytes.
size_t formatShortestList(char *buffer, const float *values, size_t count, bool &nonFinite);

}  // namespace quillet

#endif
