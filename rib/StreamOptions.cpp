// The "rib" stream options and the defaults of the next stream.
#include "rib/StreamOptions.h"

#include <mutex>

#include "format/FloatFormat.h"
#include "format/TokenWords.h"
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
        if (isFloatPrecision(intValue(value))) options.precision = intValue(value);
    } else if (isToken(token, kGzipLevel)) {
        if (GzipPieces::isLevel(intValue(value))) options.gzipLevel = intValue(value);
    } else if (isToken(token, kArchive))
        options.archive = intValue(value) != 0;
    else if (isToken(token, kCompression))
        options.gzip = isToken(stringValue(value), "gzip");
    else if (acceptGzipFlag && isToken(token, "gzip"))
        options.gzip = intValue(value) != 0;
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
