// The "rib" stream options and the defaults of the next stream.
#include "rib/StreamOptions.h"

#include <mutex>

#include "format/FloatFormat.h"
#include "format/FormatString.h"
#include "format/TokenWords.h"
#include "ri/Diagnostics.h"
#include "rib/GzipPieces.h"

namespace quillet {

static_assert(StreamOptions::kDefaultGzipLevel == GzipPieces::kDefaultLevel, "one default gzip level");

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

RtInt intValue(RtPointer value) {
    return *static_cast<const RtInt *>(value);
}

// The process's defaults, which threads that never chose their own follow.
std::mutex processDefaultsLock;
StreamOptions &processDefaults() {
    static auto *defaults = new StreamOptions;
    return *defaults;
}

// A thread's own defaults, once it has given any.
thread_local bool threadChose = false;
thread_local StreamOptions threadDefaults;

}  // namespace

void applyStreamOption(RtToken token, RtPointer value, StreamOptions &options, bool acceptGzipFlag) {
    if (!token || !value) return;
    if (isToken(token, kFormat))
        options.binary = isToken(stringValue(value), kBinary);
    else if (isToken(token, kBinary))
        options.binary = intValue(value) != 0;
    else if (isToken(token, kPrecision)) {
        const RtInt asked = intValue(value);
        if (isFloatPrecision(asked) || asked == kDefaultPrecision)
            options.precision = asked;
        else
            reportError(RIE_RANGE, RIE_ERROR, streamOptionProblem(token, value).c_str());
    } else if (isToken(token, kGzipLevel)) {
        const RtInt asked = intValue(value);
        if (GzipPieces::isLevel(asked))
            options.gzipLevel = asked;
        else
            reportError(RIE_RANGE, RIE_ERROR, streamOptionProblem(token, value).c_str());
    } else if (isToken(token, kArchive))
        options.archive = intValue(value) != 0;
    else if (isToken(token, kCompression))
        options.gzip = isToken(stringValue(value), kGzip);
    else if (acceptGzipFlag && isToken(token, kGzip))
        options.gzip = intValue(value) != 0;
}

StreamOptions streamOptionsFromList(RtInt n, RtToken tokens[], RtPointer values[]) {
    StreamOptions options;
    for (RtInt i = 0; i < n; ++i) applyStreamOption(tokens[i], values[i], options, true);
    return options;
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
    StreamOptions options = nextStreamOptions();
    for (RtInt i = 0; i < n; ++i) applyStreamOption(tokens[i], values[i], options, false);
    setNextStreamOptions(options);
}

void setNextStreamOptions(const StreamOptions &options) {
    threadChose = true;
    threadDefaults = options;
    threadDefaults.sink = nullptr;
    std::lock_guard<std::mutex> hold(processDefaultsLock);
    processDefaults() = threadDefaults;
}

StreamOptions nextStreamOptions() {
    if (threadChose) return threadDefaults;
    std::lock_guard<std::mutex> hold(processDefaultsLock);
    return processDefaults();
}

}  // namespace quillet
