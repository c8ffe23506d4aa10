#include "parse/RibLexer.h"

#include <cfloat>
#include <charconv>
#include <cstring>

#include "format/FormatString.h"
#include "quillet/RibParser.h"

namespace quillet {

namespace {

const char kUnterminatedString[] = "unterminated string";
const char kTruncatedToken[] = "binary token 0x%02X truncated at the end of the stream";
const char kClaimedLength[] = "binary token 0x%02X claims %llu bytes; the stream ends after %zu";
const char kFloatsPastEnd[] = "float array of %llu values runs past the end of the stream (%zu bytes left)";
const char kCannotStart[] = "byte 0x%02X cannot start a token; reading stops here";
const char kBadNumber[] = "bad number \"%s\"";
const char kTooLong[] = "token longer than %zu bytes";
const char kCommentTooLong[] = "comment longer than %zu bytes";
const char kStringTooLong[] = "string longer than %zu bytes";
const char kUndefinedRequest[] = "undefined encoded request %u";
const char kUndefinedString[] = "undefined encoded string %u";
const char kNotARequest[] = "encoded request %u names \"%s\", which is not a request";
const char kStringExpected[] = "binary token 0x%02X needs a string after it";

// The buffer starts small, so that a short stream costs little to start,
// and doubles while reads fill it, up to kBufferSize (or further for a
// token that does not fit).
const size_t kFirstBuffer = 4096;
const size_t kBufferSize = 1 << 20;
const size_t kWordMax = 4096;         // longest keyword or number text
const size_t kFastRoom = 64;          // bytes in hand for reading a number straight from the buffer
const size_t kShownMax = 40;          // of a bad number's text in its message
const ptrdiff_t kIntsAtOnce = 16384;  // room scanInts reserves at a time

// Binary token codes.
const unsigned char kStringShort = 0x90;
const unsigned char kStringLong = 0xA0;
const unsigned char kFloat = 0xA4;
const unsigned char kDouble = 0xA5;
const unsigned char kEncodedRequest = 0xA6;
const unsigned char kFloatArray = 0xC8;
const unsigned char kDefineRequest = 0xCC;
const unsigned char kDefineString = 0xCD;
const unsigned char kUseString = 0xCF;

inline bool isSpace(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}
inline bool isDelimiter(unsigned char c) {
    return isSpace(c) || c == '[' || c == ']' || c == '"' || c == '#' || c >= 0x80;
}
inline bool isKeywordStart(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
inline bool isNumberStart(unsigned char c) {
    return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.';
}
// The words that "%g" writes for infinities and NaNs.
bool isNonFiniteWord(const char *text, size_t length) {
    return length == 3 && (std::memcmp(text, "inf", 3) == 0 || std::memcmp(text, "nan", 3) == 0);
}

bool isNumberText(const char *text, size_t length) {
    if (length == 4 && (text[0] == '-' || text[0] == '+') && isNonFiniteWord(text + 1, 3)) return true;
    bool digit = false;
    for (size_t i = 0; i < length; ++i) {
        char c = text[i];
        if (c >= '0' && c <= '9')
            digit = true;
        else if (c != '-' && c != '+' && c != '.' && c != 'e' && c != 'E')
            return false;
    }
    return digit;
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

RibLexer::RibLexer(std::unique_ptr<ByteInput> in, StringArena &arena, Reporter reporter, const RibParseLimits &caps,
                   Budget &budget)
    : input(std::move(in)), strings(arena), report(std::move(reporter)), limits(caps), memory(budget),
      buffer(kFirstBuffer) {}

void RibLexer::releaseRetired() {
    for (const std::unique_ptr<std::string> &text : retired) memory.give(text->size());
    retired.clear();
}

bool RibLexer::refill() {
    if (ended) return false;
    if (pos > 0) {
        std::memmove(buffer.data(), buffer.data() + pos, end - pos);
        base += pos;
        end -= pos;
        pos = 0;
    }
    if (end == buffer.size() || (lastReadFilled && buffer.size() < kBufferSize)) buffer.resize(buffer.size() * 2);
    const size_t room = buffer.size() - end;
    size_t got = input->read(buffer.data() + end, room);
    lastReadFilled = got == room;
    if (got == 0) {
        ended = true;
        return false;
    }
    end += got;
    return true;
}

bool RibLexer::fill(size_t count) {
    while (end - pos < count)
        if (!refill()) return false;
    return true;
}

uint64_t RibLexer::readUnsigned(size_t bytes) {
    uint64_t value = 0;
    for (size_t i = 0; i < bytes; ++i) value = (value << 8) | static_cast<unsigned char>(buffer[pos++]);
    return value;
}

Token RibLexer::fail(Token &t, const std::string &message) {
    report(t.line, t.offset, message, false);
    t.kind = TokenKind::Error;
    return t;
}

Token RibLexer::cannotStart(Token &t, unsigned char c) {
    report(t.line, t.offset, formatString(kCannotStart, c), true);
    t.kind = TokenKind::Fatal;
    stoppedOnFatal = true;
    pos = end;
    ended = true;
    return t;
}

void RibLexer::skipPendingFloats() {
    while (pendingFloats > 0) {
        if (!fill(4)) {
            size_t got = static_cast<size_t>(pendingTotal - pendingFloats) * 4 + (end - pos);
            Token t;
            t.line = line;
            t.offset = pendingOffset;
            fail(t, formatString(kFloatsPastEnd, static_cast<unsigned long long>(pendingTotal), got));
            pos = end;
            pendingFloats = 0;
            return;
        }
        uint64_t inBuffer = (end - pos) / 4;
        uint64_t n = inBuffer < pendingFloats ? inBuffer : pendingFloats;
        pos += static_cast<size_t>(n) * 4;
        pendingFloats -= n;
    }
}

bool RibLexer::takeFloats(const Token &array, ValuePool<RtFloat> &out) {
    const size_t before = out.size();
    while (pendingFloats > 0) {
        if (!fill(4)) {
            size_t got = (out.size() - before) * 4 + (end - pos);
            out.resize(before);
            pos = end;
            pendingFloats = 0;
            Token t = array;
            fail(t, formatString(kFloatsPastEnd, static_cast<unsigned long long>(array.count), got));
            return false;
        }
        uint64_t inBuffer = (end - pos) / 4;
        size_t n = static_cast<size_t>(inBuffer < pendingFloats ? inBuffer : pendingFloats);
        size_t at = out.size();
        out.resize(at + n);
        const unsigned char *p = reinterpret_cast<const unsigned char *>(buffer.data() + pos);
        for (size_t i = 0; i < n; ++i, p += 4) {
            uint32_t bits = uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
            out[at + i] = floatFromBits(bits);
        }
        pos += n * 4;
        pendingFloats -= n;
    }
    return true;
}

bool RibLexer::nextNumberStart() {
    for (;;) {
        while (pos < end && isSpace(static_cast<unsigned char>(buffer[pos]))) {
            if (buffer[pos] == '\n') ++line;
            ++pos;
        }
        if (end - pos >= kFastRoom || ended) return pos < end;
        size_t before = end - pos;
        if (!refill() && end - pos == before) return pos < end;
    }
}

// Numbers are read a buffer at a time: while a number starts more than
// kFastRoom bytes before the end of the buffer (or the input has ended), its
// text cannot be cut short by the buffer's end.
template <typename T, typename Store, typename ReadOne>
size_t RibLexer::scanNumbers(Store store, size_t most, ReadOne readOne) {
    size_t count = 0;
    bool stopped = false;
    while (!stopped && pendingFloats == 0 && count < most && nextNumberStart()) {
        const char *p = buffer.data() + pos;
        const char *const last = buffer.data() + end;
        const char *const limit = ended ? last : last - kFastRoom + 1;
        while (p < limit) {
            T value;
            const char *stop = readOne(p, last, value);
            if (!stop || stop == last || !isDelimiter(static_cast<unsigned char>(*stop))) {
                stopped = true;
                break;
            }
            store(value);
            ++count;
            p = stop;
            while (p < last && isSpace(static_cast<unsigned char>(*p))) {
                if (*p == '\n') ++line;
                ++p;
            }
        }
        pos = static_cast<size_t>(p - buffer.data());
    }
    return count;
}

namespace {

// A plain decimal of a few digits ("-12.375", "0.1"), as from_chars reads
// it: when the digits make an integer that a float holds exactly and the
// fraction has at most 10 digits, one float division by an exact power of
// ten is the correctly rounded value. Null for anything else.
const char *readShortDecimal(const char *p, const char *last, RtFloat &value) {
#if defined(FLT_EVAL_METHOD) && FLT_EVAL_METHOD == 0
    static const RtFloat kPowers[] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f, 1e6f, 1e7f, 1e8f, 1e9f, 1e10f};
    const bool negative = *p == '-';
    const char *q = p + negative;
    uint64_t digits = 0;
    int count = 0, fraction = -1;
    for (; q < last && count < 10; ++q) {
        if (*q >= '0' && *q <= '9') {
            digits = digits * 10 + static_cast<uint64_t>(*q - '0');
            ++count;
            if (fraction >= 0) ++fraction;
        } else if (*q == '.' && fraction < 0) {
            fraction = 0;
        } else {
            break;
        }
    }
    if (count == 0 || q == last || !isDelimiter(static_cast<unsigned char>(*q)) || digits > (uint64_t(1) << 24))
        return nullptr;
    const RtFloat magnitude =
        fraction > 0 ? static_cast<RtFloat>(digits) / kPowers[fraction] : static_cast<RtFloat>(digits);
    value = negative ? -magnitude : magnitude;
    return q;
#else
    (void)p;
    (void)last;
    (void)value;
    return nullptr;
#endif
}

// One float's text at p, as scanFloats reads it: where it ends, or null
// when it needs a closer look.
const char *readFloat(const char *p, const char *last, RtFloat &value) {
    const char c = *p;
    if (!((c >= '0' && c <= '9') || c == '-' || c == '.')) return nullptr;
    if (const char *end = readShortDecimal(p, last, value)) return end;
    auto result = std::from_chars(p, last, value);
    return result.ec == std::errc() ? result.ptr : nullptr;
}

}  // namespace

size_t RibLexer::scanFloats(ValuePool<RtFloat> &out, size_t most) {
    return scanNumbers<RtFloat>([&out](RtFloat value) { out.push_back(value); }, most, readFloat);
}

size_t RibLexer::skipFloats() {
    return scanNumbers<RtFloat>([](RtFloat) {}, SIZE_MAX, readFloat);
}

namespace {

// One integer's text at p, as scanInts reads it: where it ends, or null when
// it is not a plain integer of 32 bits.
const char *readInt(const char *p, const char *last, RtInt &value) {
    const bool negative = *p == '-';
    const char *const digits = p + negative;
    // At most 11 digits: one bound for the loop instead of two.
    const char *const cap = last - digits > 11 ? digits + 11 : last;
    const char *q = digits;
    int64_t number = 0;
    for (unsigned digit; q < cap && (digit = static_cast<unsigned>(*q - '0')) < 10; ++q) number = number * 10 + digit;
    if (negative) number = -number;
    if (q == digits || number < INT32_MIN || number > INT32_MAX) return nullptr;
    value = static_cast<RtInt>(number);
    return q;
}

}  // namespace

// Integer arrays are mostly indices: short non-negative numbers, one space
// apart. Those are read by a loop of their own that stores straight into
// room reserved once per buffer (every number and its delimiter take at least
// two bytes, so a stretch of 2n bytes holds at most n + 1); anything else goes through readInt and the general rules.
size_t RibLexer::scanInts(ValuePool<RtInt> &out, size_t most) {
    const size_t before = out.size();
    bool stopped = false;
    while (!stopped && pendingFloats == 0 && out.size() - before < most && nextNumberStart()) {
        const char *p = buffer.data() + pos;
        const char *const last = buffer.data() + end;
        const char *const bufferLimit = ended ? last : last - kFastRoom + 1;
        const char *const limit = bufferLimit - p > 2 * kIntsAtOnce ? p + 2 * kIntsAtOnce : bufferLimit;
        const size_t at = out.size();
        out.resize(at + static_cast<size_t>(limit - p) / 2 + 1);
        RtInt *const first = out.data() + at;
        RtInt *store = first;
        while (p < limit) {
            unsigned digit = static_cast<unsigned char>(*p) - unsigned('0');
            if (digit < 10 && last - p > 9) {
                // Up to 9 digits cannot overflow.
                uint32_t number = digit;
                const char *q = p + 1;
                const char *const cap = p + 9;
                while (q < cap && (digit = static_cast<unsigned char>(*q) - unsigned('0')) < 10) {
                    number = number * 10 + digit;
                    ++q;
                }
                if (*q == ' ') {
                    *store++ = static_cast<RtInt>(number);
                    p = q + 1;
                    continue;
                }
            }
            if (isSpace(static_cast<unsigned char>(*p))) {
                for (; p < last && isSpace(static_cast<unsigned char>(*p)); ++p)
                    if (*p == '\n') ++line;
                continue;
            }
            RtInt value;
            const char *stop = readInt(p, last, value);
            if (!stop || stop == last || !isDelimiter(static_cast<unsigned char>(*stop))) {
                stopped = true;
                break;
            }
            *store++ = value;
            p = stop;
            while (p < last && isSpace(static_cast<unsigned char>(*p))) {
                if (*p == '\n') ++line;
                ++p;
            }
        }
        out.resize(at + static_cast<size_t>(store - first));
        pos = static_cast<size_t>(p - buffer.data());
    }
    return out.size() - before;
}

Token RibLexer::next() {
    if (pendingFloats > 0) skipPendingFloats();
    for (;;) {
        Token t;
        for (;;) {
            while (pos < end && isSpace(static_cast<unsigned char>(buffer[pos]))) {
                if (buffer[pos] == '\n') ++line;
                ++pos;
            }
            if (pos < end || !refill()) break;
        }
        t.offset = position();
        t.line = line;
        if (pos >= end) {
            t.kind = TokenKind::End;
            return t;
        }
        unsigned char c = static_cast<unsigned char>(buffer[pos]);
        if (c >= 0x80) {
            scanBinary(t);
            if (t.kind == TokenKind::End) continue;  // a definition: no token of its own
            return t;
        }
        if (c == '"') return scanString(t);
        if (c == '[' || c == ']') {
            ++pos;
            t.kind = c == '[' ? TokenKind::Open : TokenKind::Close;
            return t;
        }
        if (c == '#') return scanComment(t);
        if (isKeywordStart(c)) return scanWord(t, true);
        if (isNumberStart(c)) return scanWord(t, false);
        ++pos;
        return cannotStart(t, c);
    }
}

// The text after '#' to the end of the line. Past the cap the rest of the
// line is skipped without being kept.
Token RibLexer::scanComment(Token &t) {
    ++pos;
    scratch.clear();
    bool tooLong = false;
    for (;;) {
        const char *start = buffer.data() + pos;
        const char *stop = static_cast<const char *>(std::memchr(start, '\n', end - pos));
        size_t n = stop ? static_cast<size_t>(stop - start) : end - pos;
        if (!tooLong && n > limits.commentBytes - scratch.size()) {
            tooLong = true;
            fail(t, formatString(kCommentTooLong, limits.commentBytes));
        }
        if (!tooLong) scratch.append(start, n);
        pos += n;
        if (stop || !refill()) break;
    }
    if (tooLong) return t;
    t.kind = TokenKind::Comment;
    t.text = strings.store(scratch.data(), scratch.size());
    t.length = scratch.size();
    return t;
}

Token RibLexer::scanWord(Token &t, bool keyword) {
    size_t i = pos + 1;
    for (;;) {
        while (i < end) {
            unsigned char c = static_cast<unsigned char>(buffer[i]);
            if (keyword ? !(isKeywordStart(c) || (c >= '0' && c <= '9')) : isDelimiter(c)) break;
            ++i;
        }
        if (i - pos > kWordMax) {
            // Skip the rest of it.
            pos = i;
            while ((pos < end || refill()) && !isDelimiter(static_cast<unsigned char>(buffer[pos]))) ++pos;
            return fail(t, formatString(kTooLong, kWordMax));
        }
        if (i < end) break;
        size_t done = i - pos;
        bool more = refill();
        i = pos + done;  // the refill may have moved the bytes
        if (!more) break;
    }
    t.text = buffer.data() + pos;
    t.length = i - pos;
    pos = i;
    if (keyword) {
        t.shape = findRequestShape(t.text, t.length);
        t.kind = !t.shape && isNonFiniteWord(t.text, t.length) ? TokenKind::Number : TokenKind::Keyword;
        return t;
    }
    if (!isNumberText(t.text, t.length)) {
        std::string shown = printableText(t.text, t.length < kShownMax ? t.length : kShownMax);
        return fail(t, formatString(kBadNumber, shown.c_str()));
    }
    t.kind = TokenKind::Number;
    return t;
}

// A quoted string with its escapes read. Past the cap the rest of the
// string is read to its closing quote without being kept.
bool RibLexer::scanQuoted(std::string &out, Token &t) {
    ++pos;  // the opening quote
    out.clear();
    bool tooLong = false;
    for (;;) {
        if (out.size() > limits.stringBytes && !tooLong) {
            tooLong = true;
            fail(t, formatString(kStringTooLong, limits.stringBytes));
        }
        if (tooLong) out.clear();
        if (pos == end && !refill()) {
            fail(t, kUnterminatedString);
            return false;
        }
        char c = buffer[pos++];
        if (c == '"') return !tooLong;
        if (c != '\\') {
            if (c == '\n') ++line;
            out += c;
            continue;
        }
        if (pos == end && !refill()) {
            fail(t, kUnterminatedString);
            return false;
        }
        char e = buffer[pos++];
        switch (e) {
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case '\n': ++line; break;  // a continued line
        default:
            if (e >= '0' && e <= '7') {
                unsigned value = static_cast<unsigned>(e - '0');
                for (int k = 0; k < 2 && (pos < end || refill()) && buffer[pos] >= '0' && buffer[pos] <= '7'; ++k)
                    value = value * 8 + static_cast<unsigned>(buffer[pos++] - '0');
                out += static_cast<char>(value & 0xFF);
            } else {
                out += e;  // \" \\ and any other character stand for themselves
            }
        }
    }
}

Token RibLexer::scanString(Token &t) {
    if (!scanQuoted(scratch, t)) return t;
    t.kind = TokenKind::String;
    t.text = strings.store(scratch.data(), scratch.size());
    t.length = scratch.size();
    return t;
}

// length bytes into out, as far as the input has them. The bytes of a
// length past the cap are skipped, not kept: a stream that ends first is
// reported as such, any other as too long.
bool RibLexer::readCounted(uint64_t length, std::string &out, Token &t, unsigned char code) {
    out.clear();
    const bool tooLong = length > limits.stringBytes;
    uint64_t left = length;
    while (left > 0) {
        if (pos == end && !refill()) {
            size_t got = static_cast<size_t>(length - left);
            fail(t, formatString(kClaimedLength, code, static_cast<unsigned long long>(length), got));
            return false;
        }
        size_t n = static_cast<size_t>(left < end - pos ? left : end - pos);
        if (!tooLong) out.append(buffer.data() + pos, n);
        pos += n;
        left -= n;
    }
    if (tooLong) fail(t, formatString(kStringTooLong, limits.stringBytes));
    return !tooLong;
}

// The string that a definition names: a plain or binary string only, so that
// definitions cannot nest.
bool RibLexer::scanDefinedText(std::string &out, Token &t, unsigned char code) {
    for (;;) {
        while (pos < end && isSpace(static_cast<unsigned char>(buffer[pos]))) {
            if (buffer[pos] == '\n') ++line;
            ++pos;
        }
        if (pos < end || !refill()) break;
    }
    unsigned char c = pos < end ? static_cast<unsigned char>(buffer[pos]) : 0;
    if (c == '"') return scanQuoted(out, t);
    if (c >= kStringShort && c < kFloat) {
        ++pos;
        uint64_t length = c - kStringShort;
        if (c >= kStringLong) {
            size_t bytes = c - kStringLong + 1u;
            if (!fill(bytes)) {
                pos = end;
                fail(t, formatString(kTruncatedToken, c));
                return false;
            }
            length = readUnsigned(bytes);
        }
        return readCounted(length, out, t, c);
    }
    fail(t, formatString(kStringExpected, code));
    return false;
}

Token RibLexer::scanBinary(Token &t) {
    unsigned char c = static_cast<unsigned char>(buffer[pos++]);
    auto need = [&](size_t count) {
        if (fill(count)) return true;
        pos = end;
        fail(t, formatString(kTruncatedToken, c));
        return false;
    };
    if (c < kStringShort) {  // integer or fixed point: w+1 bytes, d of them after the point
        size_t bytes = (c & 3u) + 1;
        unsigned fraction = (c >> 2) & 3u;
        if (!need(bytes)) return t;
        uint64_t raw = readUnsigned(bytes);
        int64_t value = static_cast<int64_t>(raw);
        if (raw & (uint64_t(1) << (bytes * 8 - 1))) value -= int64_t(1) << (bytes * 8);
        t.kind = TokenKind::Number;
        t.binaryNumber = true;
        t.value = static_cast<double>(value) / static_cast<double>(uint64_t(1) << (8 * fraction));
        return t;
    }
    if (c < kFloat) {  // a short string, or a length of l+1 bytes and the string
        uint64_t length = c - kStringShort;
        if (c >= kStringLong) {
            if (!need(c - kStringLong + 1u)) return t;
            length = readUnsigned(c - kStringLong + 1u);
        }
        if (!readCounted(length, scratch, t, c)) return t;
        t.kind = TokenKind::String;
        t.text = strings.store(scratch.data(), scratch.size());
        t.length = scratch.size();
        return t;
    }
    if (c == kFloat || c == kDouble) {
        size_t bytes = c == kFloat ? 4 : 8;
        if (!need(bytes)) return t;
        uint64_t bits = readUnsigned(bytes);
        t.kind = TokenKind::Number;
        t.binaryNumber = true;
        t.value = bytes == 4 ? floatFromBits(static_cast<uint32_t>(bits)) : doubleFromBits(bits);
        return t;
    }
    if (c == kEncodedRequest) {
        if (!need(1)) return t;
        unsigned code = static_cast<unsigned>(readUnsigned(1));
        t.shape = encodedRequests[code];
        if (!t.shape) return fail(t, formatString(kUndefinedRequest, code));
        t.kind = TokenKind::Keyword;
        t.text = t.shape->keyword;
        t.length = std::strlen(t.text);
        return t;
    }
    if (c >= kFloatArray && c < kDefineRequest) {  // l+1 length bytes, then the floats
        size_t lengthBytes = c - kFloatArray + 1u;
        if (!need(lengthBytes)) return t;
        t.kind = TokenKind::FloatArray;
        t.count = static_cast<uint32_t>(readUnsigned(lengthBytes));
        pendingFloats = pendingTotal = t.count;
        pendingOffset = t.offset;
        return t;
    }
    if (c == kDefineRequest) {  // a code byte, then the request's name
        if (!need(1)) return t;
        unsigned code = static_cast<unsigned>(readUnsigned(1));
        if (!scanDefinedText(scratch, t, c)) return t;
        const RequestShape *shape = findRequestShape(scratch.data(), scratch.size());
        if (!shape) {
            std::string shown = printableText(scratch.data(), scratch.size() < kShownMax ? scratch.size() : kShownMax);
            return fail(t, formatString(kNotARequest, code, shown.c_str()));
        }
        encodedRequests[code] = shape;
        t.kind = TokenKind::End;
        return t;
    }
    if (c == kDefineString || c == kDefineString + 1) {  // 1 or 2 code bytes, then the string
        size_t bytes = c - kDefineString + 1u;
        if (!need(bytes)) return t;
        unsigned code = static_cast<unsigned>(readUnsigned(bytes));
        std::unique_ptr<std::string> text(new std::string());
        if (!scanDefinedText(*text, t, c)) return t;
        memory.charge(text->size());
        std::unique_ptr<std::string> &slot = encodedStrings[code];
        if (slot) retired.push_back(std::move(slot));
        slot = std::move(text);
        t.kind = TokenKind::End;
        return t;
    }
    if (c == kUseString || c == kUseString + 1) {  // a defined string, not copied
        size_t bytes = c - kUseString + 1u;
        if (!need(bytes)) return t;
        unsigned code = static_cast<unsigned>(readUnsigned(bytes));
        auto it = encodedStrings.find(code);
        if (it == encodedStrings.end()) return fail(t, formatString(kUndefinedString, code));
        t.kind = TokenKind::String;
        t.text = it->second->c_str();
        t.length = it->second->size();
        return t;
    }
    return cannotStart(t, c);
}

}  // namespace quillet
