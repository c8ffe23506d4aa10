// The "rib" stream options: process-wide defaults for the next stream.
#include "rib/StreamOptions.h"

#include "format/TokenWords.h"

#include "format/FloatFormat.h"
#include "rib/GzipPieces.h"

namespace quillet {

RtInt ribBinaryDefault = 0;
RtInt ribCompressionDefault = 0;
RtInt ribPrecisionDefault = kDefaultPrecision;
RtInt ribGzipLevelDefault = GzipPieces::kDefaultLevel;
RtInt ribArchiveDefault = 0;
RtInt echoDeclare = 0;

namespace {

const char kFormat[] = "format";
const char kBinary[] = "binary";
const char kCompression[] = "compression";
const char kPrecision[] = "precision";
const char kGzipLevel[] = "gziplevel";
const char kArchive[] = "archive";

// The string that a string-valued option points at (may be null).
RtToken stringValue(RtPointer value) {
    return *static_cast<const RtToken *>(value);
}

}  // namespace

void applyStreamOption(RtToken token, RtPointer value, RtInt &binary, RtInt &compressed, RtInt &precision,
                       FileForm &form, bool acceptGzipFlag) {
    if (!token || !value) return;
    if (isToken(token, kFormat))
        binary = isToken(stringValue(value), kBinary) ? 1 : 0;
    else if (isToken(token, kBinary))
        binary = *static_cast<const RtInt *>(value);
    else if (isToken(token, kPrecision)) {
        const RtInt asked = *static_cast<const RtInt *>(value);
        if (isFloatPrecision(asked)) precision = asked;
    } else if (isToken(token, kGzipLevel)) {
        const RtInt asked = *static_cast<const RtInt *>(value);
        if (GzipPieces::isLevel(asked)) form.gzipLevel = asked;
    } else if (isToken(token, kArchive))
        form.archive = *static_cast<const RtInt *>(value);
    else if (isToken(token, kCompression))
        compressed = isToken(stringValue(value), "gzip") ? 1 : 0;
    else if (acceptGzipFlag && isToken(token, "gzip"))
        compressed = *static_cast<const RtInt *>(value);
}

const char *streamOptionDeclaration(RtToken token) {
    if (isToken(token, kFormat) || isToken(token, kCompression)) return "string";
    if (isToken(token, kBinary) || isToken(token, kPrecision) || isToken(token, kGzipLevel) || isToken(token, kArchive))
        return "integer";
    return nullptr;
}

bool isRibOptionName(RtToken name) {
    return isToken(name, "rib") || isToken(name, "RIB");
}

void applyRibOptions(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {
    if (!isRibOptionName(name) || !tokens || !values) return;
    FileForm form = {ribGzipLevelDefault, ribArchiveDefault};
    for (RtInt i = 0; i < n; ++i)
        applyStreamOption(tokens[i], values[i], ribBinaryDefault, ribCompressionDefault, ribPrecisionDefault, form,
                          false);
    ribGzipLevelDefault = form.gzipLevel;
    ribArchiveDefault = form.archive;
}

}  // namespace quillet
