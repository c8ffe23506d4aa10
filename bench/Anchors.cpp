// The reference writer of the anchors: numbers through fprintf one at a
// time, binary float tokens one byte at a time.
#include "bench/Anchors.h"

#include <cctype>
#include <cstdlib>
#include <cstring>

namespace {

bool isBinaryToken(unsigned char c) {
    return c == 0xA4 || (c >= 0xC8 && c <= 0xCB);
}

size_t binaryTokenLength(const std::string &s, size_t i) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    if (c == 0xA4) return 5;
    const size_t lengthBytes = size_t(c - 0xC8 + 1);
    size_t count = 0;
    for (size_t k = 0; k < lengthBytes; ++k) count = count * 256 + static_cast<unsigned char>(s[i + 1 + k]);
    return 1 + lengthBytes + 4 * count;
}

bool startsNumber(const std::string &s, size_t i) {
    const bool separated = i == 0 || s[i - 1] == ' ' || s[i - 1] == '[';
    return separated &&
           (std::isdigit(static_cast<unsigned char>(s[i])) ||
            ((s[i] == '-' || s[i] == '.') && i + 1 < s.size() && std::isdigit(static_cast<unsigned char>(s[i + 1]))));
}

}  // namespace

ReferencePlan planReference(const std::string &stream) {
    ReferencePlan plan;
    plan.stream = stream;
    auto &pieces = plan.pieces;
    auto addText = [&](size_t at, size_t length) {
        if (!pieces.empty() && pieces.back().kind == ReferencePlan::Piece::Text &&
            pieces.back().offset + pieces.back().length == at)
            pieces.back().length += length;
        else
            pieces.push_back({ReferencePlan::Piece::Text, at, length, 0, 0});
    };
    bool quoted = false;
    size_t i = 0;
    while (i < stream.size()) {
        const char c = stream[i];
        if (quoted) {
            const size_t step = c == '\\' ? 2 : 1;
            if (c == '"') quoted = false;
            addText(i, step);
            i += step;
        } else if (c == '"') {
            quoted = true;
            addText(i, 1);
            ++i;
        } else if (isBinaryToken(static_cast<unsigned char>(c))) {
            const size_t length = binaryTokenLength(stream, i);
            pieces.push_back({ReferencePlan::Piece::BinaryBytes, i, length, 0, 0});
            const unsigned char token = static_cast<unsigned char>(c);
            plan.numbers += token == 0xA4 ? 1 : (length - (token - 0xC8 + 2)) / 4;
            i += length;
        } else if (startsNumber(stream, i)) {
            char *end = nullptr;
            const double value = std::strtod(stream.c_str() + i, &end);
            const size_t length = size_t(end - (stream.c_str() + i));
            const bool integral = std::strcspn(stream.c_str() + i, ".e ]\n") >= length;
            pieces.push_back({integral ? ReferencePlan::Piece::Integer : ReferencePlan::Piece::Float, i, length,
                              long(value), value});
            ++plan.numbers;
            i += length;
        } else {
            addText(i, 1);
            ++i;
        }
    }
    return plan;
}

void writeReference(const ReferencePlan &plan, FILE *sink) {
    const char *bytes = plan.stream.data();
    for (const ReferencePlan::Piece &piece : plan.pieces) {
        switch (piece.kind) {
        case ReferencePlan::Piece::Text: std::fwrite(bytes + piece.offset, 1, piece.length, sink); break;
        case ReferencePlan::Piece::Integer: std::fprintf(sink, "%ld", piece.integer); break;
        case ReferencePlan::Piece::Float: std::fprintf(sink, "%g", piece.number); break;
        case ReferencePlan::Piece::BinaryBytes:
            for (size_t k = 0; k < piece.length; ++k) std::fputc(bytes[piece.offset + k], sink);
            break;
        }
    }
}
