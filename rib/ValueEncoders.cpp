// The four value encoders of the writer: ASCII text formatted without printf,
// binary floats byte-swapped, all straight into the stream's buffer.
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <cstring>

#include "rib/RibStream.h"
#include "format/FloatFormat.h"
#include "format/IntegerText.h"
#include "rib/OutputBuffer.h"
#include "rib/ValueEncoding.h"

namespace quillet {

namespace {

inline uint32_t bigEndianBits(RtFloat value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
    return bits;
#else
    return __builtin_bswap32(bits);
#endif
}

// Big-endian bytes of count floats at out. SSE2 swaps four floats at once:
// the bytes of each 16-bit half, then the two halves. Otherwise two at a
// time: one 64-bit byte swap reverses both floats' bytes and their order, a
// rotation restores the order.
inline void swapFloats(char *out, const RtFloat *values, size_t count) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    size_t i = 0;
#if defined(__SSE2__)
    for (; i + 4 <= count; i += 4) {
        __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(values + i));
        v = _mm_or_si128(_mm_slli_epi16(v, 8), _mm_srli_epi16(v, 8));
        v = _mm_shufflehi_epi16(_mm_shufflelo_epi16(v, 0xB1), 0xB1);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + 4 * i), v);
    }
#endif
    for (; i + 2 <= count; i += 2) {
        uint64_t pair;
        std::memcpy(&pair, values + i, 8);
        pair = __builtin_bswap64(pair);
        pair = pair >> 32 | pair << 32;
        std::memcpy(out + 4 * i, &pair, 8);
    }
    if (i < count) {
        const uint32_t bits = bigEndianBits(values[i]);
        std::memcpy(out + 4 * i, &bits, 4);
    }
#else
    std::memcpy(out, values, 4 * count);
#endif
}

// How many of the remaining values to write at once when each takes at most
// perValue bytes: as many as the buffer has room for, flushing it first when
// it has room for none.
size_t batchSize(OutputBuffer &buffer, size_t perValue, size_t remaining) {
    size_t n = buffer.room() / perValue;
    if (n == 0) {
        buffer.flush();
        n = OutputBuffer::kSize / perValue;
    }
    return n < remaining ? n : remaining;
}

// The values of a binary array, swapped straight into the buffer.
void putBinaryFloats(OutputBuffer &buffer, const RtFloat *values, size_t count) {
    while (count > 0) {
        const size_t n = batchSize(buffer, 4, count);
        swapFloats(buffer.reserve(n * 4), values, n);
        buffer.commit(n * 4);
        values += n;
        count -= n;
    }
}

// False for NaN and the infinities: every exponent bit set.
inline bool isFiniteFloat(RtFloat value) {
    uint32_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return (bits & 0x7F800000u) != 0x7F800000u;
}

// Elements to write: none for a negative count or a missing array.
size_t elementCount(const void *values, RtInt count) {
    return values && count > 0 ? size_t(count) : 0;
}

}  // namespace

size_t binaryArrayHeader(unsigned char *header, uint32_t count) {
    size_t lengthBytes = 1;
    if (count >= 16777216u)
        lengthBytes = 4;
    else if (count >= 65536u)
        lengthBytes = 3;
    else if (count >= 256u)
        lengthBytes = 2;
    header[0] = static_cast<unsigned char>(kBinaryFloatArrayToken + lengthBytes - 1);
    for (size_t i = 0; i < lengthBytes; ++i)
        header[1 + i] = static_cast<unsigned char>(count >> (8 * (lengthBytes - 1 - i)));
    return lengthBytes + 1;
}

bool encodeFloat(OutputBuffer &buffer, FloatEncoding encoding, RtFloat value) {
    if (encoding.binary) {
        char *p = buffer.reserve(5);
        p[0] = static_cast<char>(kBinaryFloatToken);
        const uint32_t bits = bigEndianBits(value);
        std::memcpy(p + 1, &bits, 4);
        buffer.commit(5);
        return false;
    }
    char *p = buffer.reserve(kGeneralTextMax + 1);
    const size_t length = formatFloat(p, value, encoding.precision);
    p[length] = ' ';
    buffer.commit(length + 1);
    return !isFiniteFloat(value);
}

bool encodeFloatArray(OutputBuffer &buffer, FloatEncoding encoding, const RtFloat *values, size_t count) {
    if (encoding.binary) {
        unsigned char *p = reinterpret_cast<unsigned char *>(buffer.reserve(kArrayHeaderMax));
        buffer.commit(binaryArrayHeader(p, static_cast<uint32_t>(count)));
        putBinaryFloats(buffer, values, count);
        return false;
    }
    bool nonFinite = false;
    // Values a whole batch at a time, with one room check per batch.
    const size_t perValue = kGeneralTextMax + 1;
    buffer.put('[');
    for (size_t done = 0; done < count;) {
        const size_t n = batchSize(buffer, perValue, count - done);
        char *const start = buffer.reserve(n * perValue);
        char *p = start;
        if (done > 0) *p++ = ' ';
        p += formatFloatList(p, values + done, n, encoding.precision, nonFinite);
        buffer.commit(size_t(p - start));
        done += n;
    }
    buffer.put(']');
    return nonFinite;
}

void encodeIntArray(OutputBuffer &buffer, const RtInt *values, size_t count) {
    // Values a whole batch at a time, with one room check per batch.
    const size_t perValue = kInt32TextMax + 1;
    buffer.put('[');
    while (count > 0) {
        const size_t n = batchSize(buffer, perValue, count);
        char *const start = buffer.reserve(n * perValue);
        char *p = start;
        for (size_t i = 0; i < n; ++i) {
            p += formatInt32(p, values[i]);
            *p++ = ' ';
        }
        buffer.commit(size_t(p - start));
        values += n;
        count -= n;
    }
    buffer.put(']');
}

void RibStream::writeFloat(RtFloat value) {
    if (encodeFloat(*out, floatEncoding(), value)) reportNonFinite();
}

void RibStream::writeFloatArray(const RtFloat values[], RtInt count) {
    if (encodeFloatArray(*out, floatEncoding(), values, elementCount(values, count))) reportNonFinite();
}

void RibStream::writeIntArray(const RtInt values[], RtInt count) {
    encodeIntArray(*out, values, elementCount(values, count));
}

void RibStream::writeStringArray(const RtToken values[], RtInt count) {
    OutputBuffer &buffer = *out;
    buffer.put('[');
    for (size_t i = 0, n = elementCount(values, count); i < n; ++i) {
        buffer.putQuoted(values[i]);
        buffer.put(' ');
    }
    buffer.put(']');
}

}  // namespace quillet
