// Parse messages as text: stream bytes made printable, and an error with its
// place in the source.
#include <cstdio>

#include "format/FormatString.h"
#include "quillet/RibParser.h"

namespace quillet {

namespace {

const char kLocated[] = "%s:%zu: byte %zu: %s";
const char kUnlocated[] = "%s: %s";

}  // namespace

std::string printableText(const char *text, size_t length) {
    std::string out;
    out.reserve(length);
    for (size_t i = 0; i < length; ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\\') {
            out += "\\\\";
        } else if (c < 0x20 || c >= 0x7F) {
            char hex[5];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string formatRibParseError(const RibParseError &error) {
    std::string source = printableText(error.source.data(), error.source.size());
    if (error.line == 0) return formatString(kUnlocated, source.c_str(), error.message.c_str());
    return formatString(kLocated, source.c_str(), error.line, error.offset, error.message.c_str());
}

}  // namespace quillet
