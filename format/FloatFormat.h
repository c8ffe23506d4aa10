// Text of floating-point values, written without printf and without the
// locale: the decimal point is always '.'.
//
// - formatGeneral: exactly printf's "%g" in the C locale (six significant
//   digits), the stream's default;
// - formatFloat with a precision of 1 to 9: exactly printf's "%.<n>g";
// - formatFloat with precision 0: the shortest text that reads back to the
//   same float through strtof and through (float)strtod alike, in the
//   notation that "%g" would choose;
// - formatFixed: exactly printf's "%f".
#ifndef QUILLET_FLOATFORMAT_H
#define QUILLET_FLOATFORMAT_H

#include <cstddef>

namespace quillet {

// Room that formatGeneral and formatFloat may write into: their longest
// text (a float to nine digits, "-1.23456789e-38") is 15 characters, and
// scratch bytes may follow it.
const size_t kGeneralTextMax = 24;
// Room that formatFixed may use: 309 integer digits, point, six decimals, sign.
const size_t kFixedTextMax = 320;

// The precision of a stream that was given none: "%g", and "%f" where a
// request writes fixed-point text.
const int kDefaultPrecision = -1;
// The shortest text that reads back exactly.
const int kShortestPrecision = 0;
// Largest "%.<n>g" precision; nine digits carry every float exactly.
const int kLargestPrecision = 9;
// "%g" is "%.6g"; its rule also chooses the notation of the shortest text.
const int kGeneralPrecision = 6;

// The general conversion's choice of notation for a value whose first digit
// stands for 10^exponent: scientific below 10^-4 and from 10^precision up.
inline bool usesScientificNotation(int exponent, int precision) {
    return exponent < -4 || exponent >= precision;
}

// True for the precisions a stream accepts: 0 to 9.
bool isFloatPrecision(int precision);

// Writes what printf("%g", value) writes (no terminator); returns its length.
size_t formatGeneral(char *buffer, float value);
size_t formatGeneral(char *buffer, double value);

// The text of a float at a precision: kDefaultPrecision gives "%g", 0 the
// shortest exact text, 1 to 9 "%.<n>g". Returns its length.
size_t formatFloat(char *buffer, float value, int precision);

// Writes count floats one space apart, each as formatFloat writes it at the
// precision; returns the length, and sets nonFinite when a value is NaN or
// infinite. The buffer needs room for count * (kGeneralTextMax + 1) bytes.
size_t formatFloatList(char *buffer, const float *values, size_t count, int precision, bool &nonFinite);

// Writes what printf("%f", value) writes; returns its length.
size_t formatFixed(char *buffer, double value);

}  // namespace quillet

#endif
