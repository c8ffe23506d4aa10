// Gathering of stream output into chunks; the escaping rule of quoted strings.
#include "rib/ChunkBuffer.h"

#include <charconv>
#include <cstring>

#include "rib/DigitPairs.h"
#include "rib/FloatFormat.h"

namespace quillet {

namespace {

// The stream is used by one thread only; skip stdio's locking where we can.
inline void writeChunk(const char *bytes, size_t length, FILE *stream) {
#if defined(__GLIBC__)
    fwrite_unlocked(bytes, 1, length, stream);
#else
    fwrite(bytes, 1, length, stream);
#endif
}

inline bool needsEscape(char c) {
    return c == '"' || c == '\\' || c == '\n';
}

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

size_t formatUint32(char *text, uint32_t n) {
    static const uint32_t kPowers[] = {10u, 100u, 1000u, 10000u, 100000u, 1000000u, 10000000u, 100000000u, 1000000000u};
    size_t length = 1;
    while (length < 10 && n >= kPowers[length - 1]) ++length;
    char *d = text + length;
    while (n >= 100) {
        d -= 2;
        putTwoDigits(d, n % 100);
        n /= 100;
    }
    if (n >= 10)
        putTwoDigits(d - 2, n);
    else
        d[-1] = char('0' + n);
    return length;
}

}  // namespace quillet
