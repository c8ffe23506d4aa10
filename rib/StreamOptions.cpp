// The "rib" stream options: process-wide defaults for the next stream.
#include "rib/StreamOptions.h"

#include "format/TokenWords.h"

#include "format/FloatFormat.h"
#include "format/FormatString.h"
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
const char kAscii[] = "ascii";
const char kGzip[] = "gzip";
const char kNone[] = "none";

const char kBadText[] = "\"rib\" option \"%s\": expected \"%s\" or \"%s\", got \"%s\"";
const char kBadPrecision[] = "\"rib\" option \"precision\": expected %d (the default) or %d to %d, got %d";
const char kBadGzipLevel[] = "\"rib\" option \"gziplevel\": expected %d to %d, got %d";

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
        if (isFloatPrecision(asked) || asked == kDefaultPrecision)
            precision = asked;
        else
            RiErrorPrint(RIE_RANGE, RIE_ERROR, streamOptionProblem(token, value).c_str());
    } else if (isToken(token, kGzipLevel)) {
        const RtInt asked = *static_cast<const RtInt *>(value);
        if (GzipPieces::isLevel(asked))
            form.gzipLevel = asked;
        else
            RiErrorPrint(RIE_RANGE, RIE_ERROR, streamOptionProblem(token, value).c_str());
    } else if (isToken(token, kArchive))
        form.archive = *static_cast<const RtInt *>(value);
    else if (isToken(token, kCompression))
        compressed = isToken(stringValue(value), kGzip) ? 1 : 0;
    else if (acceptGzipFlag && isToken(token, kGzip))
        compressed = *static_cast<const RtInt *>(value);
}

std::string streamOptionProblem(RtToken token, RtPointer value) {
    if (!token || !value) return std::string();
    auto textProblem = [&](const char *first, const char *second) {
        RtToken text = stringValue(value);
        if (isToken(text, first) || isToken(text, second)) return std::string();
        return formatString(kBadText, token, first, second, text ? text : "");
    };
    if (isToken(token, kFormat)) return textProblem(kAscii, kBinary);
    if (isToken(token, kCompression)) return textProblem(kGzip, kNone);
    const RtInt asked =
        isToken(token, kPrecision) || isToken(token, kGzipLevel) ? *static_cast<const RtInt *>(value) : 0;
    if (isToken(token, kPrecision) && !isFloatPrecision(asked) && asked != kDefaultPrecision)
        return formatString(kBadPrecision, kDefaultPrecision, kShortestPrecision, kLargestPrecision, asked);
    if (isToken(token, kGzipLevel) && !GzipPieces::isLevel(asked))
        return formatString(kBadGzipLevel, GzipPieces::kLowestLevel, GzipPieces::kHighestLevel, asked);
    return std::string();
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
