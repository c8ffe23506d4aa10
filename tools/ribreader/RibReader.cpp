#include "RibReader.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <limits>
#include <utility>

#include "FormatText.h"

namespace {

const char kUnterminatedString[] = "unterminated string";
const char kUnterminatedArray[] = "unterminated array";
const char kUnexpectedClose[] = "unexpected ']'";
const char kMixedArray[] = "array mixes numbers and strings";
const char kNestedArray[] = "array inside an array";
const char kTruncatedToken[] = "binary token 0x%02X truncated at the end of the stream";
const char kUnknownToken[] = "unknown binary token 0x%02X";
const char kUnexpectedByte[] = "unexpected character 0x%02X";
const char kBadNumber[] = "bad number \"%s\"";
const size_t kShownTextMax = 40;  // of a bad number's text in its message
const char kValueOutsideRequest[] = "value outside a request";
const char kUndefinedRequest[] = "undefined encoded request %u";
const char kUndefinedString[] = "undefined encoded string %u";
const char kArrayPastEnd[] = "float array of %u values runs past the end of the stream";
const char kStringExpected[] = "binary token 0x%02X needs a string after it";

bool isSpace(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

bool isDelimiter(unsigned char c) {
    return isSpace(c) || c == '[' || c == ']' || c == '"' || c == '#' || c >= 0x80;
}

bool isKeywordStart(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool isKeywordChar(unsigned char c) {
    return isKeywordStart(c) || (c >= '0' && c <= '9');
}

float floatFromBits(uint32_t bits) {
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

double doubleFromBits(uint64_t bits) {
    double value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

}  // namespace

int saturatedInt(double value) {
    if (!(value == value)) return 0;
    if (value >= static_cast<double>(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (value <= static_cast<double>(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

size_t RibValue::size() const {
    switch (kind) {
    case Kind::NumberArray: return numbers.size();
    case Kind::StringArray: return strings.size();
    default: return 1;
    }
}

RibValue RibValue::makeNumber(double value, bool isInteger) {
    RibValue v;
    v.kind = Kind::Number;
    v.number = value;
    v.integer = isInteger;
    return v;
}

RibValue RibValue::makeString(std::string text) {
    RibValue v;
    v.kind = Kind::String;
    v.string = std::move(text);
    return v;
}

RibReader::RibReader(std::string input, ErrorHandler handler) : data(std::move(input)), onError(std::move(handler)) {}

void RibReader::report(size_t atLine, size_t offset, const std::string &message) {
    if (quiet) return;
    ++errors;
    quiet = true;
    if (onError) onError(RibError{atLine, offset, message});
}

RibReader::Token RibReader::fail(Token &t, const std::string &message) {
    report(t.line, t.offset, message);
    t.kind = Tok::Bad;
    return t;
}

RibReader::Token &RibReader::peek() {
    if (!havePeek) {
        peeked = scan();
        havePeek = true;
    }
    return peeked;
}

RibReader::Token RibReader::take() {
    Token t = std::move(peek());
    havePeek = false;
    return t;
}

bool RibReader::need(size_t count, Token &t) {
    if (data.size() - pos >= count) return true;
    fail(t, formatText(kTruncatedToken, static_cast<unsigned char>(data[t.offset])));
    pos = data.size();
    return false;
}

uint64_t RibReader::readUnsigned(size_t bytes) {
    uint64_t value = 0;
    for (size_t i = 0; i < bytes; ++i) value = (value << 8) | static_cast<unsigned char>(data[pos++]);
    return value;
}

RibReader::Token RibReader::scan() {
    for (;;) {
        Token t;
        while (pos < data.size() && isSpace(static_cast<unsigned char>(data[pos]))) {
            if (data[pos] == '\n') ++line;
            ++pos;
        }
        t.offset = pos;
        t.line = line;
        if (pos >= data.size()) {
            t.kind = Tok::End;
            return t;
        }
        unsigned char c = static_cast<unsigned char>(data[pos]);
        if (c == '#') {
            size_t end = data.find('\n', pos);
            if (end == std::string::npos) end = data.size();
            t.kind = Tok::Comment;
            t.text = data.substr(pos + 1, end - pos - 1);
            pos = end;
            return t;
        }
        if (c == '"') {
            scanString(t);
            return t;
        }
        if (c == '[' || c == ']') {
            ++pos;
            t.kind = c == '[' ? Tok::Open : Tok::Close;
            return t;
        }
        if (c >= 0x80) {
            scanBinary(t);
            if (t.kind == Tok::End && pos < data.size()) continue;  // a definition: no token of its own
            return t;
        }
        if (isKeywordStart(c)) {
            size_t start = pos;
            while (pos < data.size() && isKeywordChar(static_cast<unsigned char>(data[pos]))) ++pos;
            t.kind = Tok::Keyword;
            t.text = data.substr(start, pos - start);
            return t;
        }
        if ((c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.') {
            scanNumber(t);
            return t;
        }
        ++pos;
        return fail(t, formatText(kUnexpectedByte, c));
    }
}

void RibReader::scanString(Token &t) {
    ++pos;  // opening quote
    std::string text;
    while (pos < data.size()) {
        char c = data[pos++];
        if (c == '"') {
            t.kind = Tok::String;
            t.text = std::move(text);
            return;
        }
        if (c == '\n') ++line;
        if (c != '\\') {
            text += c;
            continue;
        }
        if (pos >= data.size()) break;
        char e = data[pos++];
        switch (e) {
        case 'n': text += '\n'; break;
        case 'r': text += '\r'; break;
        case 't': text += '\t'; break;
        case 'b': text += '\b'; break;
        case 'f': text += '\f'; break;
        case '\n': ++line; break;  // continuation
        default:
            if (e >= '0' && e <= '7') {
                unsigned value = static_cast<unsigned>(e - '0');
                for (int i = 0; i < 2 && pos < data.size() && data[pos] >= '0' && data[pos] <= '7'; ++i)
                    value = value * 8 + static_cast<unsigned>(data[pos++] - '0');
                text += static_cast<char>(value & 0xFF);
            } else {
                text += e;  // \" \\ and any other character stand for themselves
            }
        }
    }
    fail(t, kUnterminatedString);
}

void RibReader::scanNumber(Token &t) {
    size_t start = pos;
    while (pos < data.size() && !isDelimiter(static_cast<unsigned char>(data[pos]))) ++pos;
    std::string text = data.substr(start, pos - start);
    const char *first = text.c_str();
    const char *last = first + text.size();
    if (*first == '+') ++first;
    double value = 0;
    auto result = std::from_chars(first, last, value);
    bool digits = std::strpbrk(first, "0123456789") != nullptr;
    if (result.ec != std::errc() || result.ptr != last || !digits || *first == '+' ||
        std::strpbrk(first, "nNiI") != nullptr) {
        fail(t, formatText(kBadNumber, text.substr(0, kShownTextMax).c_str()));
        return;
    }
    t.kind = Tok::Number;
    t.number = value;
    t.integer = text.find_first_of(".eE") == std::string::npos;
}

bool RibReader::scanEncodedString(std::string &out, Token &t) {
    // Only a plain string may follow: another definition here would nest
    // without bound.
    while (pos < data.size() && isSpace(static_cast<unsigned char>(data[pos]))) {
        if (data[pos] == '\n') ++line;
        ++pos;
    }
    Token s;
    s.offset = pos;
    s.line = line;
    unsigned char c = pos < data.size() ? static_cast<unsigned char>(data[pos]) : 0;
    if (c == '"')
        scanString(s);
    else if ((c >= 0x90 && c <= 0xA3) || c == 0xCF || c == 0xD0)
        scanBinary(s);
    if (s.kind == Tok::String) {
        out = std::move(s.text);
        return true;
    }
    if (s.kind != Tok::Bad)
        fail(t, formatText(kStringExpected, static_cast<unsigned char>(data[t.offset])));
    else
        t.kind = Tok::Bad;
    return false;
}

void RibReader::scanBinary(Token &t) {
    unsigned char c = static_cast<unsigned char>(data[pos++]);
    if (c <= 0x8F) {  // integer or fixed point: w+1 bytes, d of them after the point
        size_t bytes = (c & 3u) + 1;
        unsigned fraction = (c >> 2) & 3u;
        if (!need(bytes, t)) return;
        uint64_t raw = readUnsigned(bytes);
        int64_t value = static_cast<int64_t>(raw);
        if (raw & (uint64_t(1) << (bytes * 8 - 1))) value -= int64_t(1) << (bytes * 8);
        t.kind = Tok::Number;
        t.number = static_cast<double>(value) / static_cast<double>(uint64_t(1) << (8 * fraction));
        t.integer = fraction == 0;
        return;
    }
    if (c <= 0xA3) {  // short string, or a length of l+1 bytes and the string
        size_t length;
        if (c <= 0x9F) {
            length = c - 0x90u;
        } else {
            if (!need(c - 0xA0u + 1, t)) return;
            length = readUnsigned(c - 0xA0u + 1);
        }
        if (!need(length, t)) return;
        t.kind = Tok::String;
        t.text = data.substr(pos, length);
        pos += length;
        return;
    }
    if (c == 0xA4 || c == 0xA5) {
        size_t bytes = c == 0xA4 ? 4 : 8;
        if (!need(bytes, t)) return;
        uint64_t bits = readUnsigned(bytes);
        t.kind = Tok::Number;
        t.number = bytes == 4 ? floatFromBits(static_cast<uint32_t>(bits)) : doubleFromBits(bits);
        return;
    }
    if (c == 0xA6) {  // encoded request
        if (!need(1, t)) return;
        unsigned code = static_cast<unsigned>(readUnsigned(1));
        auto it = encodedRequests.find(code);
        if (it == encodedRequests.end()) {
            fail(t, formatText(kUndefinedRequest, code));
            return;
        }
        t.kind = Tok::Keyword;
        t.text = it->second;
        return;
    }
    if (c >= 0xC8 && c <= 0xCB) {  // float array with l+1 length bytes
        size_t lengthBytes = c - 0xC8u + 1;
        if (!need(lengthBytes, t)) return;
        uint64_t count = readUnsigned(lengthBytes);
        if ((data.size() - pos) / 4 < count) {
            fail(t, formatText(kArrayPastEnd, static_cast<unsigned>(count)));
            pos = data.size();
            return;
        }
        t.kind = Tok::FloatArray;
        t.numbers.reserve(count);
        for (uint64_t i = 0; i < count; ++i) t.numbers.push_back(floatFromBits(static_cast<uint32_t>(readUnsigned(4))));
        return;
    }
    if (c == 0xCC) {  // define an encoded request: code byte, then its name
        if (!need(1, t)) return;
        unsigned code = static_cast<unsigned>(readUnsigned(1));
        std::string name;
        if (scanEncodedString(name, t)) encodedRequests[code] = name;
        if (t.kind != Tok::Bad) t.kind = Tok::End;  // defined; the caller scans on
        return;
    }
    if (c == 0xCD || c == 0xCE) {  // define an encoded string: 1 or 2 code bytes, then the string
        size_t bytes = c - 0xCDu + 1;
        if (!need(bytes, t)) return;
        unsigned code = static_cast<unsigned>(readUnsigned(bytes));
        std::string text;
        if (scanEncodedString(text, t)) encodedStrings[code] = text;
        if (t.kind != Tok::Bad) t.kind = Tok::End;
        return;
    }
    if (c == 0xCF || c == 0xD0) {  // use an encoded string
        size_t bytes = c - 0xCFu + 1;
        if (!need(bytes, t)) return;
        unsigned code = static_cast<unsigned>(readUnsigned(bytes));
        auto it = encodedStrings.find(code);
        if (it == encodedStrings.end()) {
            fail(t, formatText(kUndefinedString, code));
            return;
        }
        t.kind = Tok::String;
        t.text = it->second;
        return;
    }
    fail(t, formatText(kUnknownToken, c));
}

RibRequest RibReader::commentOf(Token &t) {
    RibRequest comment;
    comment.kind = RibRequest::Kind::Comment;
    comment.keyword = std::move(t.text);
    comment.line = t.line;
    comment.offset = t.offset;
    return comment;
}

// Skips tokens up to the next request keyword or the end; comments are kept.
void RibReader::resync() {
    for (;;) {
        Token &t = peek();
        if (t.kind == Tok::Keyword || t.kind == Tok::End) break;
        Token skipped = take();
        if (skipped.kind == Tok::Comment) pendingComments.push_back(commentOf(skipped));
    }
    quiet = false;
}

bool RibReader::readArray(RibValue &value, const Token &open) {
    bool haveNumbers = false, haveStrings = false;
    value.kind = RibValue::Kind::NumberArray;
    for (;;) {
        Token &t = peek();
        switch (t.kind) {
        case Tok::Close:
            take();
            if (haveStrings) value.kind = RibValue::Kind::StringArray;
            return true;
        case Tok::Number:
            value.numbers.push_back(t.number);
            value.integers = value.integers && t.integer;
            haveNumbers = true;
            take();
            break;
        case Tok::FloatArray:
            value.numbers.insert(value.numbers.end(), t.numbers.begin(), t.numbers.end());
            value.integers = false;
            haveNumbers = true;
            take();
            break;
        case Tok::String:
            value.strings.push_back(std::move(t.text));
            haveStrings = true;
            take();
            break;
        case Tok::Comment: {
            Token c = take();
            pendingComments.push_back(commentOf(c));
            break;
        }
        case Tok::Open: report(t.line, t.offset, kNestedArray); return false;
        case Tok::Bad: take(); return false;
        default:  // a keyword or the end before the ']'
            report(open.line, open.offset, kUnterminatedArray);
            return false;
        }
        if (haveNumbers && haveStrings) {
            report(open.line, open.offset, kMixedArray);
            return false;
        }
    }
}

bool RibReader::next(RibRequest &item) {
    for (;;) {
        if (!pendingComments.empty()) {
            item = std::move(pendingComments.front());
            pendingComments.pop_front();
            return true;
        }
        Token t = take();
        switch (t.kind) {
        case Tok::End: return false;
        case Tok::Comment: item = commentOf(t); return true;
        case Tok::Keyword: break;
        case Tok::Bad: resync(); continue;
        case Tok::Close:
            report(t.line, t.offset, kUnexpectedClose);
            resync();
            continue;
        default:
            report(t.line, t.offset, kValueOutsideRequest);
            resync();
            continue;
        }

        RibRequest request;
        request.keyword = std::move(t.text);
        request.line = t.line;
        request.offset = t.offset;
        bool good = true;
        while (good) {
            Token &a = peek();
            if (a.kind == Tok::Keyword || a.kind == Tok::End) break;
            Token arg = take();
            switch (arg.kind) {
            case Tok::Number: request.args.push_back(RibValue::makeNumber(arg.number, arg.integer)); break;
            case Tok::String: request.args.push_back(RibValue::makeString(std::move(arg.text))); break;
            case Tok::FloatArray: {
                RibValue v;
                v.kind = RibValue::Kind::NumberArray;
                v.numbers = std::move(arg.numbers);
                v.integers = false;
                request.args.push_back(std::move(v));
                break;
            }
            case Tok::Open: {
                RibValue v;
                good = readArray(v, arg);
                if (good) request.args.push_back(std::move(v));
                break;
            }
            case Tok::Comment: pendingComments.push_back(commentOf(arg)); break;
            case Tok::Close:
                report(arg.line, arg.offset, kUnexpectedClose);
                good = false;
                break;
            default:  // Bad: already reported
                good = false;
                break;
            }
        }
        if (!good) {
            resync();
            continue;
        }
        item = std::move(request);
        return true;
    }
}

std::string formatRibError(const std::string &source, const RibError &error) {
    return source + ":" + std::to_string(error.line) + ": byte " + std::to_string(error.offset) + ": " + error.message;
}

bool readRibInput(const std::string &path, std::string &data, std::string &error) {
    bool useStdin = path == "-";
    FILE *in = useStdin ? stdin : std::fopen(path.c_str(), "rb");
    if (!in) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    data.clear();
    char buffer[65536];
    size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, in)) > 0) data.append(buffer, got);
    bool failed = std::ferror(in) != 0;
    if (failed) error = path + ": " + std::strerror(errno);
    if (!useStdin) std::fclose(in);
    return !failed;
}
