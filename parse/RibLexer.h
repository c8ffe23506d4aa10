// Tokens of a RIB stream, ASCII and binary alike: request keywords (plain or
// encoded), numbers, strings (plain, binary or defined), float arrays,
// brackets and comments. The bytes are read in pieces; a token's text stays
// valid until the next call.
#ifndef QUILLET_PARSE_RIBLEXER_H
#define QUILLET_PARSE_RIBLEXER_H

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "parse/Budget.h"
#include "parse/ByteInput.h"
#include "parse/RequestShapes.h"
#include "parse/StringArena.h"
#include "parse/ValuePool.h"
#include "quillet/RibParser.h"
#include "quillet/ri.h"

namespace quillet {

enum class TokenKind {
    End,         // the input is used up
    Keyword,     // shape (null for an unknown keyword) and text
    Number,      // text (ASCII) or value (binary)
    String,      // text and length; stays valid until the arena is reset
    FloatArray,  // count values follow: takeFloats or the next call skips them
    Open,
    Close,
    Comment,  // text after the '#', up to the end of the line
    Error,    // a malformed token, already reported
    Fatal,    // a byte that cannot start a token, already reported
};

struct Token {
    TokenKind kind = TokenKind::End;
    size_t line = 0;
    size_t offset = 0;
    const RequestShape *shape = nullptr;
    const char *text = nullptr;
    size_t length = 0;
    bool binaryNumber = false;  // Number: value holds it
    double value = 0;
    uint32_t count = 0;
};

class RibLexer {
public:
    // fatal: reading stops after this report.
    using Reporter = std::function<void(size_t line, size_t offset, const std::string &message, bool fatal)>;

    // A comment or string longer than its cap in limits is reported and
    // skipped; string definitions are charged to memory.
    RibLexer(std::unique_ptr<ByteInput> input, StringArena &strings, Reporter report, const RibParseLimits &limits,
             Budget &memory);

    Token next();
    // The values of the FloatArray token just returned, appended to out;
    // false (reported) when the input ends first.
    bool takeFloats(const Token &array, ValuePool<RtFloat> &out);
    // The plain ASCII numbers that come next, read straight into out up to
    // anything else (a ']', a binary token, a number that needs a closer
    // look), which next() then returns. Reading stops at the end of the
    // buffer in which the count reaches most. The count appended.
    size_t scanFloats(ValuePool<RtFloat> &out, size_t most);
    size_t scanInts(ValuePool<RtInt> &out, size_t most);
    // The plain numbers that come next, read and not kept: the count.
    size_t skipFloats();
    // Releases the strings that redefinitions replaced while the request in
    // hand could still point at them.
    void releaseRetired();
    // Why the input stopped early, empty when it ended normally.
    const std::string &inputFailure() const { return input->failure(); }
    size_t position() const { return base + pos; }
    size_t currentLine() const { return line; }
    // True once a byte that cannot start a token stopped the reading, the
    // rest of the input unread.
    bool stopped() const { return stoppedOnFatal; }

private:
    bool fill(size_t count);
    // Skips blanks; false at the end or when fewer than a number's worth of
    // bytes are left in the buffer before the end of the input.
    bool nextNumberStart();
    // The loop of scanFloats and scanInts: readOne reads one number's text
    // and returns where it ends, or null when it is not a plain number.
    template <typename T, typename Store, typename ReadOne>
    size_t scanNumbers(Store store, size_t most, ReadOne readOne);
    bool refill();
    void skipPendingFloats();
    Token scanComment(Token &t);
    Token scanString(Token &t);
    bool scanQuoted(std::string &out, Token &t);
    Token scanWord(Token &t, bool keyword);
    Token scanBinary(Token &t);
    bool scanDefinedText(std::string &out, Token &t, unsigned char code);
    bool readCounted(uint64_t length, std::string &out, Token &t, unsigned char code);
    uint64_t readUnsigned(size_t bytes);
    Token fail(Token &t, const std::string &message);
    // A byte that begins no token: reported, and reading stops for good.
    Token cannotStart(Token &t, unsigned char c);

    std::unique_ptr<ByteInput> input;
    StringArena &strings;
    Reporter report;
    const RibParseLimits &limits;
    Budget &memory;
    std::vector<char> buffer;
    size_t pos = 0, end = 0;
    size_t base = 0;  // stream offset of buffer[0]
    bool ended = false;
    bool lastReadFilled = false;  // the last read used all the room it had
    bool stoppedOnFatal = false;
    size_t line = 1;
    uint64_t pendingFloats = 0, pendingTotal = 0;
    size_t pendingOffset = 0;
    std::string scratch;
    const RequestShape *encodedRequests[256] = {};
    std::unordered_map<unsigned, std::unique_ptr<std::string>> encodedStrings;
    std::vector<std::unique_ptr<std::string>> retired;
};

}  // namespace quillet

#endif
