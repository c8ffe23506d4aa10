// A byte count as the tools' options take it: digits, optionally followed
// by K, M or G (powers of 1024).
#ifndef QUILLET_TOOLS_COMMON_BYTESIZE_H
#define QUILLET_TOOLS_COMMON_BYTESIZE_H

#include <cerrno>
#include <cstdint>
#include <cstdlib>

// False when the text is not such a count or the count does not fit.
inline bool readByteSize(const char *text, uint64_t &bytes) {
    if (!text || *text < '0' || *text > '9') return false;
    errno = 0;
    char *end;
    unsigned long long value = std::strtoull(text, &end, 10);
    if (errno == ERANGE) return false;
    int shift = 0;
    switch (*end) {
    case 'K': shift = 10; break;
    case 'M': shift = 20; break;
    case 'G': shift = 30; break;
    case '\0': break;
    default: return false;
    }
    if (shift > 0 && *++end) return false;
    if (value > (UINT64_MAX >> shift)) return false;
    bytes = static_cast<uint64_t>(value) << shift;
    return true;
}

#endif
