// The value encodings of the stream, written into an OutputBuffer. The writer's
// encoders and its parameter-list writers both go through these.
#ifndef QUILLET_VALUEENCODING_H
#define QUILLET_VALUEENCODING_H

#include <cstddef>
#include <cstdint>

#include "quillet/ri.h"
#include "rib/OutputBuffer.h"

namespace quillet {

// Binary float token: 0xA4 and four bytes.
const unsigned char kBinaryFloatToken = 0xA4;
// Binary float array: 0xC8 plus (length bytes - 1), then the length.
const unsigned char kBinaryFloatArrayToken = 0xC8;
// Longest array header: token and four length bytes.
const size_t kArrayHeaderMax = 5;

// Writes the header of a binary float array of count elements into header,
// big-endian length in the fewest bytes; returns its size.
size_t binaryArrayHeader(unsigned char *header, uint32_t count);

// How a stream writes floats: binary tokens, or text at a precision
// (kDefaultPrecision for "%g", or 0 to 9 as FloatFormat.h describes).
struct FloatEncoding {
    bool binary;
    int precision;
};

// ASCII: the text of the value and a blank; binary: 0xA4 and its four bytes.
// Both return true when a NaN or an infinity was written as text.
bool encodeFloat(OutputBuffer &buffer, FloatEncoding encoding, RtFloat value);
// ASCII: "[", the values separated by blanks, "]"; binary: header and values.
bool encodeFloatArray(OutputBuffer &buffer, FloatEncoding encoding, const RtFloat *values, size_t count);
// "[", each value followed by a blank, "]".
void encodeIntArray(OutputBuffer &buffer, const RtInt *values, size_t count);

}  // namespace quillet

#endif
