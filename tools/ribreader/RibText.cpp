#include "RibText.h"

#include <cmath>
#include <cstdio>

std::string formatRibNumber(double value, bool integer) {
    // An integer is written whole however large, so that it reads back as
    // an integer and its array keeps its integer form. 400 characters hold
    // the digits of the largest double.
    char buffer[400];
    if (integer && std::isfinite(value))
        std::snprintf(buffer, sizeof buffer, "%.0f", value);
    else
        std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

std::string formatRibString(const std::string &text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\r': out += "\\r"; break;
        default:
            if (c < 0x20 || c >= 0x7F) {
                char octal[8];
                std::snprintf(octal, sizeof octal, "\\%03o", c);
                out += octal;
            } else {
                out += static_cast<char>(c);
            }
        }
    }
    return out + "\"";
}

std::string formatRibValue(const RibValue &value) {
    switch (value.kind) {
    case RibValue::Kind::Number: return formatRibNumber(value.number, value.integer);
    case RibValue::Kind::String: return formatRibString(value.string);
    case RibValue::Kind::NumberArray: {
        std::string out = "[";
        for (size_t k = 0; k < value.numbers.size(); ++k) {
            if (k) out += ' ';
            out += formatRibNumber(value.numbers[k], value.integers);
        }
        return out + "]";
    }
    case RibValue::Kind::StringArray: {
        std::string out = "[";
        for (size_t k = 0; k < value.strings.size(); ++k) {
            if (k) out += ' ';
            out += formatRibString(value.strings[k]);
        }
        return out + "]";
    }
    }
    return std::string();
}

std::string formatRibRequest(const RibRequest &request) {
    if (request.kind == RibRequest::Kind::Comment) return "#" + request.keyword;
    std::string out = request.keyword;
    for (const RibValue &value : request.args) out += ' ' + formatRibValue(value);
    return out;
}
