// Gathering of stream output into chunks; the escaping rule of quoted strings.
#include "rib/ChunkBuffer.h"

#include <charconv>
#include <cstring>

#include "rib/DigitPairs.h"
#include "rib/FloatFormat.h"

namespace {

// The stream is used by one thread only; skip stdio's locking where we can.
inline void writeChunk(const char *bytes, size_t length, FILE *stream) {
#if defined(__GLIBC__)
    fwrite_unlocked(bytes, 1, length, stream);
#else
    fwrite(bytes, 1, length, stream);
#endif
}

inline bool needsEscape(char c) { return c == '"' || c == '\\' || c == '\n'; }

}  // namespace

void ChunkBuffer::flush() {
    if (used > 0 && stream) writeChunk(data, used, stream);
    used = 0;
}

void ChunkBuffer::put(const char *bytes, size_t length) {
    if (length <= kSize - used) {
        std::memcpy(data + used, bytes, length);
        used += length;
        return;
    }
    flush();
    if (length >= kSize) {
        if (stream) writeChunk(bytes, length, stream);
        return;
    }
    std::memcpy(data, bytes, length);
    used = length;
}

void ChunkBuffer::putEscaped(const char *text) {
    if (!text) return;
    const char *run = text;
    for (const char *p = text;; ++p) {
        const char c = *p;
        if (c == '\0') {
            put(run, size_t(p - run));
            return;
        }
        if (needsEscape(c)) {
            put(run, size_t(p - run));
            put('\\');
            put(c == '\n' ? 'n' : c);
            run = p + 1;
        }
    }
}

void ChunkBuffer::putQuoted(const char *text) {
    put('"');
    putEscaped(text);
    put('"');
}

void ChunkBuffer::putGeneral(float value) {
    char *p = reserve(kGeneralTextMax);
    commit(formatGeneral(p, value));
}

void ChunkBuffer::putGeneral(double value) {
    char *p = reserve(kGeneralTextMax);
    commit(formatGeneral(p, value));
}

void ChunkBuffer::putInt(long value) {
    const size_t room = 24;
    char *p = reserve(room);
    commit(size_t(std::to_chars(p, p + room, value).ptr - p));
}

namespace {

// Digits of n (n < 10^8) as eight ASCII bytes, most significant first in
// memory order (little-endian), split in parallel lanes of one 64-bit word:
// two four-digit halves, then four digit pairs, then eight digits. The
// multiply-and-shift steps divide exactly by 100 below 10^4 and by 10 below
// 100, and no lane overflows into the next.
inline uint64_t eightDigits(uint32_t n) {
    uint64_t v = uint64_t(n / 10000) | uint64_t(n % 10000) << 32;
    uint64_t q = (v * 10486) >> 20 & 0x0000007F0000007Full;
    v = q | (v - q * 100) << 16;
    q = (v * 103) >> 10 & 0x000F000F000F000Full;
    v = q | (v - q * 10) << 8;
    return v + 0x3030303030303030ull;
}

// Number of decimal digits of n (n < 10^8).
inline unsigned digitCountBelow1e8(uint32_t n) {
    return 1u + (n >= 10u) + (n >= 100u) + (n >= 1000u) + (n >= 10000u) + (n >= 100000u) + (n >= 1000000u) +
           (n >= 10000000u);
}

}  // namespace

size_t formatInt32(char *text, int32_t value) {
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
        const unsigned length = digitCountBelow1e8(n);
        const uint64_t digits = eightDigits(n) >> (8 * (8 - length));
        std::memcpy(p, &digits, 8);
        return size_t(p - text) + length;
    }
#endif
    static const uint32_t kPowers[] = {10u, 100u, 1000u, 10000u, 100000u,
                                       1000000u, 10000000u, 100000000u, 1000000000u};
    size_t length = 1;
    while (length < 10 && n >= kPowers[length - 1]) ++length;
    char *d = p + length;
    while (n >= 100) {
        d -= 2;
        putTwoDigits(d, n % 100);
        n /= 100;
    }
    if (n >= 10)
        putTwoDigits(d - 2, n);
    else
        d[-1] = char('0' + n);
    return size_t(p - text) + length;
}
