#include "format/PrintableText.h"

#include <cstring>

namespace quillet {

namespace {

const char kHexDigits[] = "0123456789ABCDEF";

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
            out += "\\x";
            out += kHexDigits[c >> 4];
            out += kHexDigits[c & 0xF];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::string printableText(const char *text) {
    return text ? printableText(text, std::strlen(text)) : std::string();
}

}  // namespace quillet
