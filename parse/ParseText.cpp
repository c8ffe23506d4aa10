// A parse error as text, with its place in the source.

#include "format/FormatString.h"
#include "quillet/RibParser.h"

namespace quillet {

namespace {

const char kLocated[] = "%s:%zu: byte %zu: %s";
const char kUnlocated[] = "%s: %s";

}  // namespace

std::string formatRibParseError(const RibParseError &error) {
    std::string source = printableText(error.source.data(), error.source.size());
    if (error.line == 0) return formatString(kUnlocated, source.c_str(), error.message.c_str());
    return formatString(kLocated, source.c_str(), error.line, error.offset, error.message.c_str());
}

}  // namespace quillet
