// The "rib" stream options: process-wide defaults for the next stream.
#include "rib/StreamOptions.h"

#include <cstring>

#include "rib/FloatFormat.h"

namespace quillet {

RtInt ribBinaryDefault = 0;
RtInt ribCompressionDefault = 0;
RtInt ribPrecisionDefault = kDefaultPrecision;
RtInt echoDeclare = 0;

namespace {

const char kFormat[] = "format";
const char kBinary[] = "binary";
const char kCompression[] = "compression";
const char kPrecision[] = "precision";

bool same(const char *a, const char *b) {
    return a && std::strcmp(a, b) == 0;
}

// The string that a string-valued option points at (may be null).
RtToken stringValue(RtPointer value) {
    return *static_cast<const RtToken *>(value);
}

}  // namespace

void applyStreamOption(RtToken token, RtPointer value, RtInt &binary, RtInt &compressed, RtInt &precision,
                       bool acceptGzipFlag) {
    if (!token || !value) return;
    if (same(token, kFormat))
        binary = same(stringValue(value), kBinary) ? 1 : 0;
    else if (same(token, kBinary))
        binary = *static_cast<const RtInt *>(value);
    else if (same(token, kPrecision)) {
        const RtInt asked = *static_cast<const RtInt *>(value);
        if (isFloatPrecision(asked)) precision = asked;
    } else if (same(token, kCompression))
        compressed = same(stringValue(value), "gzip") ? 1 : 0;
    else if (acceptGzipFlag && same(token, "gzip"))
        compressed = *static_cast<const RtInt *>(value);
}

const char *streamOptionDeclaration(RtToken token) {
    if (same(token, kFormat) || same(token, kCompression)) return "string";
    if (same(token, kBinary) || same(token, kPrecision)) return "integer";
    return nullptr;
}

bool isRibOptionName(RtToken name) {
    return same(name, "rib") || same(name, "RIB");
}

void applyRibOptions(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {
    if (!isRibOptionName(name) || !tokens || !values) return;
    for (RtInt i = 0; i < n; ++i)
        applyStreamOption(tokens[i], values[i], ribBinaryDefault, ribCompressionDefault, ribPrecisionDefault, false);
}

}  // namespace quillet
