// Text into the stream: raw bytes, quoted strings and the small formatter
// that the request writers use for keywords and fixed arguments.
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "format/FloatFormat.h"
#include "format/FormatString.h"
#include "ri/Diagnostics.h"
#include "rib/OutputBuffer.h"
#include "rib/RibStream.h"
#include "rib/ValueEncoding.h"

namespace quillet {

namespace {

const char kNonFiniteValue[] = "quillet error: non-finite value in %s\n";

bool isCapital(char c) {
    return c >= 'A' && c <= 'Z';
}

bool isLetter(char c) {
    return isCapital(c) || (c >= 'a' && c <= 'z');
}

}  // namespace

// A request begins with its keyword: keep the start of its text for the
// reports on the request's values. One copy per request; the keyword is
// found in it only when a report needs it.
void RibStream::beginRequest(const char *text, size_t length) {
    requestNameLength = length < sizeof requestName - 1 ? length : sizeof requestName - 1;
    std::memcpy(requestName, text, requestNameLength);
    nonFiniteReported = false;
}

FloatEncoding RibStream::floatEncoding() const {
    return FloatEncoding{binaryEncoding != 0, floatPrecision};
}

void RibStream::reportNonFinite() {
    if (nonFiniteReported) return;
    nonFiniteReported = true;
    size_t n = 0;
    while (n < requestNameLength && isLetter(requestName[n])) ++n;
    requestName[n] = '\0';
    reportText(RIE_MATH, RIE_WARNING, formatString(kNonFiniteValue, requestName).c_str());
}

void RibStream::writeBytes(const char *bytes, size_t length) {
    if (!bytes || length == 0) return;
    if (isCapital(bytes[0])) beginRequest(bytes, length);
    OutputBuffer &buffer = *out;
    buffer.put(bytes, length);
}

void RibStream::writeQuoted(const char *text) {
    OutputBuffer &buffer = *out;
    buffer.putQuoted(text);
}

void RibStream::writeQuotedList(std::initializer_list<const char *> texts) {
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
void RibStream::writef(const char *format, ...) {
    if (!format) return;
    if (isCapital(format[0])) beginRequest(format, std::strlen(format));
    OutputBuffer &buffer = *out;
    bool nonFinite = false;
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
        case 'g':
        case 'f': {
            const double value = va_arg(args, double);
            nonFinite |= !std::isfinite(value);
            char *text = buffer.reserve(kFixedTextMax);
            if (floatPrecision != kDefaultPrecision)
                buffer.commit(formatFloat(text, float(value), floatPrecision));
            else
                buffer.commit(*conversion == 'g' ? formatGeneral(text, value) : formatFixed(text, value));
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
    if (nonFinite) reportNonFinite();
}

}  // namespace quillet
