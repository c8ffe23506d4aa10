// Text into the stream: raw bytes, quoted strings and the small formatter
// that the request writers use for keywords and fixed arguments.
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "rib/OutputBuffer.h"
#include "rib/RibWriter.h"

namespace quillet {

namespace {

// Longest "%f" text of a double: 309 integer digits, point, six decimals, sign.
const size_t kFixedTextMax = 320;

}  // namespace

void RibWriter::writeBytes(const char *bytes, size_t length) {
    if (!bytes || length == 0) return;
    OutputBuffer &buffer = *out;
    buffer.put(bytes, length);
}

void RibWriter::writeQuoted(const char *text) {
    OutputBuffer &buffer = *out;
    buffer.putQuoted(text);
}

void RibWriter::writeQuotedList(std::initializer_list<const char *> texts) {
    OutputBuffer &buffer = *out;
    const char *separator = "";
    for (const char *text : texts) {
        buffer.put(separator, std::strlen(separator));
        buffer.putQuoted(text);
        separator = " ";
    }
}

// Conversions: %d %i %ld %li %g %f %s %%. %s writes its text unchanged; a
// null %s writes nothing. Anything else after '%' is written as it stands and
// consumes no argument.
void RibWriter::writef(const char *format, ...) {
    if (!format) return;
    OutputBuffer &buffer = *out;
    va_list args;
    va_start(args, format);
    const char *run = format;
    const char *p = format;
    // The library's strchr finds the next '%' many bytes at a time.
    while ((p = std::strchr(p, '%'))) {
        buffer.put(run, size_t(p - run));
        const char *conversion = p + 1;
        const bool isLong = *conversion == 'l' && (conversion[1] == 'd' || conversion[1] == 'i');
        if (isLong) ++conversion;
        switch (*conversion) {
        case 'd':
        case 'i':
            if (isLong)
                buffer.putInt(va_arg(args, long));
            else
                buffer.putInt(va_arg(args, int));
            break;
        case 'g': buffer.putGeneral(va_arg(args, double)); break;
        case 'f': {
            char *text = buffer.reserve(kFixedTextMax);
            const int n = std::snprintf(text, kFixedTextMax, "%f", va_arg(args, double));
            if (n > 0) buffer.commit(size_t(n) < kFixedTextMax ? size_t(n) : kFixedTextMax - 1);
            break;
        }
        case 's': {
            const char *text = va_arg(args, const char *);
            if (text) buffer.put(text, std::strlen(text));
            break;
        }
        case '%': buffer.put('%'); break;
        default:
            // Unknown conversion: the '%' itself; the rest is ordinary text.
            run = p;
            p = conversion;
            continue;
        }
        p = conversion + 1;
        run = p;
    }
    buffer.put(run, std::strlen(run));
    va_end(args);
}

}  // namespace quillet
