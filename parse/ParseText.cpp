#include "parse/ParseText.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

#include "quillet/RibParser.h"

namespace quillet {

namespace {

const char kLocated[] = "%s:%zu: byte %zu: %s";
const char kUnlocated[] = "%s: %s";

}  // namespace

std::string formatMessage(const char *format, ...) {
    va_list args;
    va_start(args, format);
    va_list again;
    va_copy(again, args);
    char local[256];
    int length = std::vsnprintf(local, sizeof local, format, args);
    va_end(args);
    std::string text;
    if (length < 0) {
        va_end(again);
        return text;
    }
    if (static_cast<size_t>(length) < sizeof local) {
        text.assign(local, static_cast<size_t>(length));
    } else {
        std::vector<char> large(static_cast<size_t>(length) + 1);
        std::vsnprintf(large.data(), large.size(), format, again);
        text.assign(large.data(), static_cast<size_t>(length));
    }
    va_end(again);
    return text;
}

std::string formatRibParseError(const RibParseError &error) {
    std::string source = printableText(error.source.data(), error.source.size());
    if (error.line == 0) return formatMessage(kUnlocated, source.c_str(), error.message.c_str());
    return formatMessage(kLocated, source.c_str(), error.line, error.offset, error.message.c_str());
}

}  // namespace quillet
