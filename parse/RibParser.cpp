// The parser: reads requests by the shape table, with every value in a typed
// pool, and hands each whole request to the RequestCaller.
#include "quillet/RibParser.h"

#include <cerrno>
#include <charconv>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <limits>
#include <new>

#include "quillet/DeclTable.h"
#include "decl/ValueShape.h"
#include "decl/Predeclare.h"
#include "decl/UndeclaredParameter.h"
#include "format/FormatString.h"
#include "format/IntegerText.h"
#include "parse/DroppedBlocks.h"
#include "parse/RequestCalls.h"
#include "parse/RibLexer.h"
#include "ri/Diagnostics.h"
#include "parse/UnknownRequest.h"

namespace quillet {

namespace {

const char kStdinName[] = "<stdin>";
const char kStdinArgument[] = "-";
const char kCannotOpen[] = "cannot open: %s";
const char kValueOutsideRequest[] = "value outside a request";
const char kUnexpectedClose[] = "unexpected ']'";
const char kUnterminatedArray[] = "unterminated array";
const char kArgument[] = "%s: argument %zu should be %s";
const char kFixedArray[] = "%s: argument %zu should be an array of %ld numbers, has %zu";
const char kGroupLeftOver[] = "%s: array longer than the request's arguments";
const char kParamName[] = "%s: parameter name expected";
const char kKeywordPrefixed[] = "%s: %s";
const char kBadDeclaration[] = "%s: parameter \"%s\" has a bad declaration";
const char kParamKind[] = "%s: parameter \"%s\" needs %s values";
const char kOutOfRange[] = "number out of range";
const char kArrayTooLong[] = "array longer than %zu values";
const char kRequestTextTooLong[] = "%s: strings longer than %zu bytes in all";
const char kMemorySpent[] = "the parse's memory budget of %llu bytes is spent: request dropped";
const char kOutOfMemory[] = "out of memory: reading stops here";
const char kMisplacedVersion[] = "version: should come once, before every other request";
const char kStructureHeader[] = "#RenderMan RIB-Structure 1.0";
const char kCommentRecord[] = "comment";
const char kStructureRecord[] = "structure";
const char kRecordFormat[] = "%s";

const char kNumber[] = "a number";
const char kInteger[] = "an integer";
const char kString[] = "a string";
const char kHandle[] = "an integer or a string";
const char kMixedArray[] = "%s: array of numbers and strings";
const char kNumbers[] = "an array of numbers";
const char kIntegers[] = "an array of integers";
const char kStrings[] = "an array of strings";
const char kBasis[] = "a basis name or 16 numbers";
const char kNumericKind[] = "numeric";
const char kIntegerKind[] = "integer";
const char kStringKind[] = "string";

const size_t kBasisSize = 16;

// A double as an RtFloat; values beyond its range become infinities.
RtFloat narrow(double value) {
    if (value > FLT_MAX) return std::numeric_limits<RtFloat>::infinity();
    if (value < -FLT_MAX) return -std::numeric_limits<RtFloat>::infinity();
    return static_cast<RtFloat>(value);
}

bool integral(double value, RtInt &out) {
    if (!(value >= -2147483648.0 && value <= 2147483647.0) || std::floor(value) != value) return false;
    out = static_cast<RtInt>(value);
    return true;
}

// Number text as written: a leading '+' is allowed.
void numberText(const Token &t, const char *&first, const char *&last) {
    first = t.text;
    last = t.text + t.length;
    if (first < last && *first == '+') ++first;
}

bool toDouble(const Token &t, double &out) {
    if (t.binaryNumber) {
        out = t.value;
        return true;
    }
    const char *first, *last;
    numberText(t, first, last);
    auto result = std::from_chars(first, last, out);
    return result.ec == std::errc() && result.ptr == last;
}

bool toFloat(const Token &t, RtFloat &out) {
    if (t.binaryNumber) {
        out = narrow(t.value);
        return true;
    }
    const char *first, *last;
    numberText(t, first, last);
    auto result = std::from_chars(first, last, out);
    return result.ec == std::errc() && result.ptr == last;
}

bool toInt(const Token &t, RtInt &out) {
    if (!t.binaryNumber) {
        const char *first, *last;
        numberText(t, first, last);
        auto result = std::from_chars(first, last, out);
        if (result.ec == std::errc() && result.ptr == last) return true;
    }
    double value;
    return toDouble(t, value) && integral(value, out);
}

// An unknown request's number is an integer when its text is one ("12",
// not "12.0", "-0" or a binary number).
bool isUnknownInteger(const Token &t, RtInt &out) {
    return !t.binaryNumber && readsAsInteger(t.text, t.text + t.length, out);
}

class Parser {
public:
    Parser(std::unique_ptr<ByteInput> input, const char *sourceName, RenderContext &context,
           RibDiagnostics &diagnostics, const RibParseLimits &caps)
        : limits(caps), memory(caps.memoryBytes),
          lexer(
              std::move(input), arena,
              [this](size_t line, size_t offset, const std::string &message, bool fatal) {
                  if (quiet && !fatal) return;
                  quiet = true;
                  if (holdingLexerReport)
                      heldLexerReport.push_back({line, offset, message});
                  else
                      report(line, offset, message);
              },
              limits, memory),
          caller(context, [this](const std::string &message) { report(request.line, request.offset, message); }),
          target(context), diagnostics(diagnostics), source(sourceName) {
        arena.setBudget(&memory);
        request.setBudget(&memory);
        group.setBudget(&memory);
        floatScratch.setBudget(&memory);
    }

    RibParseResult run();
    // Once the input has failed (a read error, corrupt gzip data), what was
    // read last is not to be trusted: the failure is the one report.
    void report(size_t line, size_t offset, const std::string &message) {
        if (!lexer.inputFailure().empty()) {
            reportInputFailure(line);
            return;
        }
        deliver(line, offset, message);
    }
    void reportInputFailure(size_t line) {
        if (inputFailureReported) return;
        inputFailureReported = true;
        deliver(line, lexer.position(), lexer.inputFailure());
    }
    void deliver(size_t line, size_t offset, const std::string &message) {
        ++result.errors;
        RibParseError error;
        error.source = source;
        error.line = line;
        error.offset = offset;
        error.message = message;
        diagnostics.error(error);
    }
    RibParseResult result;

private:
    // One request, or what stands in its place; false when reading ends.
    bool step();
    // After the memory budget is spent: the request in hand reported and
    // dropped, its memory freed.
    void dropSpentRequest();
    void reportHere(const std::string &message);
    void holdComment(const char *text, size_t length);
    bool arrayTooLong(const Token &open, size_t count);
    // The values of an unknown request, charged to the memory budget by
    // count, and given back when the request is done.
    void chargeUnknown(uint64_t values);
    void releaseUnknown();
    // Counts a string of the request against its cap; false (reported) past it.
    bool addText(const Token &string);
    Token &peek();
    Token take();
    bool fail(const Token &t, const std::string &message);
    void emitComment(const char *text, size_t length);
    void emitHeldComments();
    void resync();

    bool readRequest(const Token &keyword);
    bool readArgument(char kind, long fixed, size_t position);
    bool readScalar(char kind, size_t position);
    bool readGroup();
    bool readFloats(size_t position, long fixed, bool bare, const char *what);
    bool readInts(size_t position, bool bare, const char *what);
    bool readStrings(size_t position, bool bare, const char *what);
    template <typename T, typename Scan, typename Number, typename Array>
    bool readBracketed(ValuePool<T> &pool, const Token &open, size_t position, const char *what, Scan scan,
                       Number number, Array array);
    bool readSubdivisionTags(size_t position);
    bool readUnknown(const Token &keyword);
    bool readUnknownArray(const Token &open, const char *name);
    void passUnknown(const Token &keyword);
    bool readParams();
    bool skipValue();
    void pushArg(char kind, size_t offset, size_t count) { request.args.push_back({kind, offset, count}); }
    // "argument N should be ...", or for a parameter's value what it needs.
    std::string argumentProblem(size_t position, const char *what);

    RibParseLimits limits;
    Budget memory;
    StringArena arena;
    RibLexer lexer;
    ParsedRequest request;
    UnknownRequest unknown;
    DroppedBlocks blocks;
    RequestCaller caller;
    RenderContext &target;
    RibDiagnostics &diagnostics;
    std::string source;
    Token peeked;
    bool havePeek = false;
    bool quiet = false;
    bool atStart = true;
    // No request has come yet: a version line here is the stream's header.
    bool versionMayCome = true;
    bool inputFailureReported = false;
    bool holdComments = false;
    bool readingRequest = false;  // between a request's keyword and its last value
    // A look at the next token made for a report comes after that report:
    // what the lexer finds there meanwhile waits here.
    struct LexerReport {
        size_t line, offset;
        std::string message;
    };
    bool holdingLexerReport = false;
    std::vector<LexerReport> heldLexerReport;
    bool stopped = false;  // the diagnostics ended the parse
    std::vector<std::string> heldComments;
    uint64_t heldBytes = 0;   // charged for heldComments
    ValuePool<double> group;  // numbers of one array spread over several arguments
    size_t groupAt = 0;
    size_t requestText = 0;  // bytes of the request's strings so far
    uint64_t unknownCharged = 0;
    ValuePool<RtFloat> floatScratch;
    const Token *parameter = nullptr;  // the name whose value is being read
    const char *parameterKind = nullptr;
};

std::string Parser::argumentProblem(size_t position, const char *what) {
    const char *k = request.shape->keyword;
    if (!parameter) return formatString(kArgument, k, position, what);
    std::string name = printableText(parameter->text, parameter->length);
    return formatString(kParamKind, k, name.c_str(), parameterKind);
}

Token &Parser::peek() {
    while (!havePeek) {
        peeked = lexer.next();
        bool first = atStart;
        atStart = false;
        if (peeked.kind != TokenKind::Comment) {
            havePeek = true;
            break;
        }
        if (first && peeked.length == sizeof kStructureHeader - 1 &&
            std::memcmp(peeked.text, kStructureHeader, peeked.length) == 0)
            continue;  // the header line that every writer writes itself
        if (holdComments)
            holdComment(peeked.text, peeked.length);
        else
            emitComment(peeked.text, peeked.length);
    }
    return peeked;
}

Token Parser::take() {
    peek();
    havePeek = false;
    return peeked;
}

// A request that ends too soon fails on the next keyword or the end of the
// stream: the problem is the request's, reported where the request starts.
bool Parser::fail(const Token &t, const std::string &message) {
    if (!quiet && t.kind != TokenKind::Error && t.kind != TokenKind::Fatal) {
        const bool pastRequest = readingRequest && (t.kind == TokenKind::Keyword || t.kind == TokenKind::End);
        if (pastRequest)
            report(request.line, request.offset, message);
        else
            report(t.line, t.offset, message);
    }
    quiet = true;
    return false;
}

// "# text" is a comment record, "##text" a structure record.
void Parser::emitComment(const char *text, size_t length) {
    if (length > 0 && text[0] == '#') {
        target.ArchiveRecord(kStructureRecord, kRecordFormat, text + 1);
        return;
    }
    target.ArchiveRecord(kCommentRecord, kRecordFormat, length > 0 && text[0] == ' ' ? text + 1 : text);
}

// Comments met inside a request follow it, in their order.
void Parser::holdComment(const char *text, size_t length) {
    const uint64_t bytes = length + sizeof(std::string);
    memory.charge(bytes);
    heldBytes += bytes;
    heldComments.emplace_back(text, length);
}

void Parser::emitHeldComments() {
    for (const std::string &text : heldComments) emitComment(text.c_str(), text.size());
    heldComments.clear();
    memory.give(heldBytes);
    heldBytes = 0;
}

bool Parser::arrayTooLong(const Token &open, size_t count) {
    if (count <= limits.arrayValues) return false;
    fail(open, formatString(kArrayTooLong, limits.arrayValues));
    return true;
}

// At the request in hand, or where reading has got to between requests.
void Parser::reportHere(const std::string &message) {
    if (request.line > 0)
        report(request.line, request.offset, message);
    else
        report(lexer.currentLine(), lexer.position(), message);
}

bool Parser::addText(const Token &string) {
    requestText += string.length;
    if (requestText <= limits.requestTextBytes) return true;
    return fail(string, formatString(kRequestTextTooLong, request.shape->keyword, limits.requestTextBytes));
}

// What one value of an unknown request holds: its entry, its number and
// the value handed on.
const uint64_t kUnknownValueBytes = 64;

void Parser::chargeUnknown(uint64_t values) {
    memory.charge(values * kUnknownValueBytes);
    unknownCharged += values * kUnknownValueBytes;
}

void Parser::releaseUnknown() {
    memory.give(unknownCharged);
    unknownCharged = 0;
}

void Parser::dropSpentRequest() {
    reportHere(formatString(kMemorySpent, static_cast<unsigned long long>(memory.limit())));
    quiet = true;
    holdComments = false;
    heldComments.clear();
    memory.give(heldBytes);
    heldBytes = 0;
    request.release();
    request.shape = nullptr;
    unknown.clear();
    releaseUnknown();
    group.release();
    floatScratch.release();
    arena.release();
}

// Skips to the next request keyword, the end, or a byte that stops reading.
void Parser::resync() {
    quiet = true;
    for (;;) {
        if (!havePeek) {
            // Plain numbers (the rest of an array past its cap) are skipped
            // in bulk rather than a token at a time.
            lexer.skipFloats();
        }
        TokenKind kind = peek().kind;
        if (kind == TokenKind::Keyword || kind == TokenKind::End || kind == TokenKind::Fatal) break;
        take();
        arena.reset();
    }
    quiet = false;
}

RibParseResult Parser::run() {
    bool spent = false;
    for (;;) {
        try {
            if (spent) {
                spent = false;
                resync();
            }
            if (!step()) return result;
        } catch (const BudgetSpent &) {
            dropSpentRequest();
            spent = true;
        } catch (const std::bad_alloc &) {
            reportHere(kOutOfMemory);
            return result;
        }
    }
}

bool Parser::step() {
    request.shape = nullptr;
    request.line = 0;  // no request in hand
    arena.reset();
    lexer.releaseRetired();
    Token t = take();
    switch (t.kind) {
    case TokenKind::End:
        if (!lexer.inputFailure().empty()) {
            reportInputFailure(t.line);
            return false;
        }
        // A request may have taken the token that stopped the reading.
        result.complete = !lexer.stopped();
        return false;
    case TokenKind::Fatal: return false;
    case TokenKind::Error: resync(); return true;
    case TokenKind::Keyword: break;
    case TokenKind::Close:
        fail(t, kUnexpectedClose);
        resync();
        return true;
    default:
        fail(t, kValueOutsideRequest);
        resync();
        return true;
    }
    const bool versionIsHeader = versionMayCome;
    versionMayCome = false;
    if (!t.shape) {
        passUnknown(t);
        return !stopped;
    }
    holdComments = readingRequest = true;
    bool read = readRequest(t);
    holdComments = readingRequest = false;
    const Request kind = t.shape->request;
    if (!read) {
        blocks.begun(kind, false);
        emitHeldComments();
        resync();
        return true;
    }
    if (kind == Request::Version) {
        // Any other version line is reported and dropped: where it stands
        // it names nothing, and the writer writes its header itself.
        if (versionIsHeader)
            target.Version(request.n(0));
        else
            reportHere(kMisplacedVersion);
    } else if (blocks.mayClose(kind)) {
        diagnostics.reached(lexer.position());
        if (!diagnostics.proceed(request.line, request.offset)) return false;
        bool passed = caller.call(request);
        if (passed) ++result.requests;
        blocks.begun(kind, passed);
    }
    emitHeldComments();
    return true;
}

bool Parser::readRequest(const Token &keyword) {
    request.clear();
    request.shape = keyword.shape;
    request.line = keyword.line;
    request.offset = keyword.offset;
    group.clear();
    groupAt = 0;
    requestText = 0;
    size_t position = 0;
    for (const char *code = keyword.shape->args; *code; ++code) {
        ++position;
        char kind = *code;
        long fixed = -1;
        if (code[1] >= '0' && code[1] <= '9') {
            char *end;
            fixed = std::strtol(code + 1, &end, 10);
            code = end - 1;
        }
        if (!readArgument(kind, fixed, position)) return false;
    }
    if (groupAt < group.size()) return fail(keyword, formatString(kGroupLeftOver, keyword.shape->keyword));
    return !keyword.shape->params || readParams();
}

bool Parser::readArgument(char kind, long fixed, size_t position) {
    const char *k = request.shape->keyword;
    switch (kind) {
    case 'i':
    case 'n': return readScalar(kind, position);
    case 's': {
        Token &t = peek();
        if (t.kind != TokenKind::String) return fail(t, formatString(kArgument, k, position, kString));
        if (!addText(t)) return false;
        pushArg('s', request.strings.size(), 1);
        request.strings.push_back(t.text);
        take();
        return true;
    }
    case 'h':
        if (peek().kind == TokenKind::String) return readArgument('s', -1, position);
        if (peek().kind != TokenKind::Number) return fail(peek(), formatString(kArgument, k, position, kHandle));
        return readScalar('i', position);
    case 'B':
        if (peek().kind == TokenKind::String) return readArgument('s', -1, position);
        return readFloats(position, kBasisSize, false, kBasis);
    case 'F': return readFloats(position, fixed, false, kNumbers);
    case 'I': return readInts(position, false, kIntegers);
    case 'S': return readStrings(position, false, kStrings);
    case 'T': return readSubdivisionTags(position);
    default: return false;
    }
}

// One number: loose, or the next of an array given for several arguments.
bool Parser::readScalar(char kind, size_t position) {
    const char *what = kind == 'i' ? kInteger : kNumber;
    double value;
    if (groupAt < group.size()) {
        value = group[groupAt++];
    } else {
        Token &t = peek();
        if (t.kind == TokenKind::Open || t.kind == TokenKind::FloatArray) {
            if (!readGroup()) return false;
            return readScalar(kind, position);
        }
        if (t.kind != TokenKind::Number) return fail(t, argumentProblem(position, what));
        if (kind == 'i') {
            RtInt number;
            if (!toInt(t, number)) return fail(t, argumentProblem(position, what));
            pushArg('i', request.ints.size(), 1);
            request.ints.push_back(number);
            take();
            return true;
        }
        RtFloat number;
        if (!toFloat(t, number)) return fail(t, kOutOfRange);
        pushArg('n', request.floats.size(), 1);
        request.floats.push_back(number);
        take();
        return true;
    }
    if (kind == 'i') {
        RtInt number;
        if (!integral(value, number)) return fail(peek(), argumentProblem(position, what));
        pushArg('i', request.ints.size(), 1);
        request.ints.push_back(number);
        return true;
    }
    pushArg('n', request.floats.size(), 1);
    request.floats.push_back(narrow(value));
    return true;
}

// An array whose numbers are taken one argument at a time.
bool Parser::readGroup() {
    group.clear();
    groupAt = 0;
    Token open = take();
    auto appendFloats = [&](const Token &array) {
        if (arrayTooLong(open, group.size() + array.count)) return false;
        floatScratch.clear();
        if (!lexer.takeFloats(array, floatScratch)) return false;
        for (RtFloat value : floatScratch) group.push_back(value);
        return true;
    };
    if (open.kind == TokenKind::FloatArray) return appendFloats(open);
    for (;;) {
        Token &t = peek();
        if (t.kind == TokenKind::Close) {
            take();
            return true;
        }
        if (t.kind == TokenKind::Number) {
            double value;
            if (!toDouble(t, value)) return fail(t, kOutOfRange);
            if (arrayTooLong(open, group.size() + 1)) return false;
            group.push_back(value);
            take();
            continue;
        }
        if (t.kind == TokenKind::FloatArray) {
            Token array = take();
            if (!appendFloats(array)) return false;
            continue;
        }
        if (t.kind == TokenKind::Keyword || t.kind == TokenKind::End) return fail(open, kUnterminatedArray);
        return fail(t, formatString(kArgument, request.shape->keyword, request.args.size() + 1, kNumber));
    }
}

// The elements of a bracketed numeric array, after its '[': numbers (read
// straight from the input while they are plain) and binary float arrays.
template <typename T, typename Scan, typename Number, typename Array>
bool Parser::readBracketed(ValuePool<T> &pool, const Token &open, size_t position, const char *what, Scan scan,
                           Number number, Array array) {
    const size_t start = pool.size();
    for (;;) {
        scan(pool, limits.arrayValues - (pool.size() - start) + 1);
        if (arrayTooLong(open, pool.size() - start)) return false;
        Token &t = peek();
        if (t.kind == TokenKind::Close) {
            take();
            return true;
        }
        if (t.kind == TokenKind::Number) {
            if (arrayTooLong(open, pool.size() - start + 1) || !number(t)) return false;
            take();
        } else if (t.kind == TokenKind::FloatArray) {
            Token values = take();
            if (arrayTooLong(open, pool.size() - start + values.count) || !array(values)) return false;
        } else if (t.kind == TokenKind::Keyword || t.kind == TokenKind::End) {
            return fail(open, kUnterminatedArray);
        } else {
            return fail(t, argumentProblem(position, what));
        }
    }
}

// A float array: bracketed, a binary array token, fixed-length loose
// numbers, or (bare) one loose number.
bool Parser::readFloats(size_t position, long fixed, bool bare, const char *what) {
    ValuePool<RtFloat> &pool = request.floats;
    const size_t start = pool.size();
    const char *k = request.shape->keyword;
    Token first = peek();
    if (first.kind == TokenKind::FloatArray) {
        take();
        if (arrayTooLong(first, first.count) || !lexer.takeFloats(first, pool)) return false;
    } else if (first.kind == TokenKind::Open) {
        take();
        auto scan = [this](ValuePool<RtFloat> &out, size_t most) { lexer.scanFloats(out, most); };
        auto number = [&](const Token &t) {
            RtFloat value;
            if (!toFloat(t, value)) return fail(t, kOutOfRange);
            pool.push_back(value);
            return true;
        };
        auto array = [&](const Token &t) { return lexer.takeFloats(t, pool); };
        if (!readBracketed(pool, first, position, what, scan, number, array)) return false;
    } else if (first.kind == TokenKind::Number && (fixed > 0 || bare)) {
        long count = fixed > 0 ? fixed : 1;
        for (long i = 0; i < count; ++i) {
            Token &t = peek();
            RtFloat value;
            if (t.kind != TokenKind::Number) return fail(t, argumentProblem(position, what));
            if (!toFloat(t, value)) return fail(t, kOutOfRange);
            pool.push_back(value);
            take();
        }
    } else {
        return fail(first, argumentProblem(position, what));
    }
    size_t count = pool.size() - start;
    if (fixed >= 0 && count != static_cast<size_t>(fixed))
        return fail(first, formatString(kFixedArray, k, position, fixed, count));
    pushArg('F', start, count);
    return true;
}

bool Parser::readInts(size_t position, bool bare, const char *what) {
    ValuePool<RtInt> &pool = request.ints;
    const size_t start = pool.size();
    Token first = peek();
    auto fromFloats = [&](const Token &array) {
        if (arrayTooLong(array, array.count)) return false;
        floatScratch.clear();
        if (!lexer.takeFloats(array, floatScratch)) return false;
        for (RtFloat value : floatScratch) {
            RtInt number;
            if (!integral(value, number)) return fail(array, argumentProblem(position, what));
            pool.push_back(number);
        }
        return true;
    };
    if (first.kind == TokenKind::Number && bare) {
        RtInt number;
        if (!toInt(first, number)) return fail(first, argumentProblem(position, what));
        pool.push_back(number);
        take();
    } else if (first.kind == TokenKind::FloatArray) {
        take();
        if (!fromFloats(first)) return false;
    } else if (first.kind == TokenKind::Open) {
        take();
        auto scan = [this](ValuePool<RtInt> &out, size_t most) { lexer.scanInts(out, most); };
        auto number = [&](const Token &t) {
            RtInt value;
            if (!toInt(t, value)) return fail(t, argumentProblem(position, what));
            pool.push_back(value);
            return true;
        };
        if (!readBracketed(pool, first, position, what, scan, number, fromFloats)) return false;
    } else {
        return fail(first, argumentProblem(position, what));
    }
    pushArg('I', start, pool.size() - start);
    return true;
}

bool Parser::readStrings(size_t position, bool bare, const char *what) {
    ValuePool<RtToken> &pool = request.strings;
    const size_t start = pool.size();
    Token first = peek();
    if (first.kind == TokenKind::String && bare) {
        if (!addText(first)) return false;
        pool.push_back(first.text);
        take();
    } else if (first.kind == TokenKind::Open) {
        take();
        for (;;) {
            Token &t = peek();
            if (t.kind == TokenKind::Close) {
                take();
                break;
            }
            if (t.kind == TokenKind::String) {
                if (arrayTooLong(first, pool.size() - start + 1) || !addText(t)) return false;
                pool.push_back(t.text);
                take();
            } else if (t.kind == TokenKind::Keyword || t.kind == TokenKind::End) {
                return fail(first, kUnterminatedArray);
            } else {
                return fail(t, argumentProblem(position, what));
            }
        }
    } else {
        return fail(first, argumentProblem(position, what));
    }
    pushArg('S', start, pool.size() - start);
    return true;
}

// SubdivisionMesh: tags, nargs, then the integer and float arguments, each
// left out when empty; none of them when there are no tags.
bool Parser::readSubdivisionTags(size_t position) {
    TokenKind next = peek().kind;
    if (next != TokenKind::Open) {
        pushArg('S', request.strings.size(), 0);
        pushArg('I', request.ints.size(), 0);
        pushArg('I', request.ints.size(), 0);
        pushArg('F', request.floats.size(), 0);
        return true;
    }
    if (!readStrings(position, false, kStrings) || !readInts(position + 1, false, kIntegers)) return false;
    const ParsedRequest::Arg nargs = request.args.back();
    TagArgSizes sizes = subdivisionTagSizes(static_cast<RtInt>(nargs.count) / 2, request.ints.data() + nargs.offset);
    if (sizes.ints > 0 || (sizes.floats == 0 && peek().kind == TokenKind::Open)) {
        if (!readInts(position + 2, false, kIntegers)) return false;
    } else {
        pushArg('I', request.ints.size(), 0);
    }
    if (sizes.floats > 0 || peek().kind == TokenKind::Open) {
        if (!readFloats(position + 3, -1, false, kNumbers)) return false;
        // An empty integer array written before the floats.
        if (sizes.ints == 0 && request.args.back().count == 0 && sizes.floats > 0 && peek().kind == TokenKind::Open) {
            request.args.pop_back();
            if (!readFloats(position + 3, -1, false, kNumbers)) return false;
        }
    } else {
        pushArg('F', request.floats.size(), 0);
    }
    return true;
}

// A request of a keyword the table does not hold: every value up to the next
// keyword goes to the target's UnknownRequestV; one that cannot be read
// drops the request, reported.
void Parser::passUnknown(const Token &keyword) {
    const char *name = arena.store(keyword.text, keyword.length);
    request.clear();
    request.line = keyword.line;
    request.offset = keyword.offset;
    holdComments = true;
    bool read = readUnknown(keyword);
    holdComments = false;
    struct GiveBack {
        Parser &parser;
        ~GiveBack() { parser.releaseUnknown(); }
    } giveBack{*this};
    // Cut short by a failing input, the request may have lost its values.
    if (read && !lexer.inputFailure().empty()) {
        reportInputFailure(keyword.line);
        read = false;
    }
    if (!read) {
        emitHeldComments();
        resync();
        return;
    }
    diagnostics.reached(lexer.position());
    if (!diagnostics.proceed(request.line, request.offset)) {
        stopped = true;
        return;
    }
    unknown.call(target, name);
    ++result.requests;
    emitHeldComments();
}

bool Parser::readUnknown(const Token &keyword) {
    unknown.clear();
    const std::string name = printableText(keyword.text, keyword.length);
    for (;;) {
        Token t = peek();
        switch (t.kind) {
        case TokenKind::Keyword:
        case TokenKind::End:
        case TokenKind::Fatal: return true;
        case TokenKind::String:
            chargeUnknown(1);
            unknown.add(RequestValue::Type::String, false, unknown.strings.size(), 1);
            unknown.strings.push_back(t.text);
            take();
            break;
        case TokenKind::Number: {
            chargeUnknown(1);
            RtInt integer;
            if (isUnknownInteger(t, integer)) {
                unknown.add(RequestValue::Type::Integer, false, unknown.ints.size(), 1);
                unknown.ints.push_back(integer);
            } else {
                RtFloat number;
                if (!toFloat(t, number)) return fail(t, kOutOfRange);
                unknown.add(RequestValue::Type::Float, false, unknown.floats.size(), 1);
                unknown.floats.push_back(number);
            }
            take();
            break;
        }
        case TokenKind::FloatArray: {
            take();
            size_t start = unknown.floats.size();
            if (arrayTooLong(t, t.count)) return false;
            chargeUnknown(t.count);
            if (!lexer.takeFloats(t, unknown.floats)) return false;
            unknown.add(RequestValue::Type::Float, true, start, unknown.floats.size() - start);
            break;
        }
        case TokenKind::Open:
            take();
            if (!readUnknownArray(t, name.c_str())) return false;
            break;
        case TokenKind::Close: return fail(t, kUnexpectedClose);
        default: take(); return false;
        }
    }
}

// A bracketed array of an unknown request: strings, or numbers (integers
// when every one is written as an integer).
bool Parser::readUnknownArray(const Token &open, const char *name) {
    std::vector<double> numbers;
    bool integers = true;
    size_t stringStart = unknown.strings.size();
    for (;;) {
        Token t = peek();
        if (t.kind == TokenKind::Close) {
            take();
            break;
        }
        if (t.kind == TokenKind::Keyword || t.kind == TokenKind::End || t.kind == TokenKind::Fatal)
            return fail(open, kUnterminatedArray);
        bool strings = unknown.strings.size() > stringStart;
        const size_t count = numbers.size() + (unknown.strings.size() - stringStart);
        if (t.kind != TokenKind::FloatArray && arrayTooLong(open, count + 1)) return false;
        if (t.kind == TokenKind::String && numbers.empty()) {
            chargeUnknown(1);
            unknown.strings.push_back(t.text);
        } else if (t.kind == TokenKind::Number && !strings) {
            RtInt integer;
            double value;
            if (!toDouble(t, value)) return fail(t, kOutOfRange);
            integers = integers && isUnknownInteger(t, integer);
            chargeUnknown(1);
            numbers.push_back(value);
        } else if (t.kind == TokenKind::FloatArray && !strings) {
            take();
            if (arrayTooLong(open, count + t.count)) return false;
            chargeUnknown(t.count);
            floatScratch.clear();
            if (!lexer.takeFloats(t, floatScratch)) return false;
            numbers.insert(numbers.end(), floatScratch.begin(), floatScratch.end());
            integers = false;
            continue;
        } else {
            return fail(t, formatString(kMixedArray, name));
        }
        take();
    }
    if (unknown.strings.size() > stringStart) {
        unknown.add(RequestValue::Type::String, true, stringStart, unknown.strings.size() - stringStart);
    } else if (integers) {
        size_t start = unknown.ints.size();
        for (double value : numbers) unknown.ints.push_back(static_cast<RtInt>(value));
        unknown.add(RequestValue::Type::Integer, true, start, numbers.size());
    } else {
        size_t start = unknown.floats.size();
        for (double value : numbers) unknown.floats.push_back(narrow(value));
        unknown.add(RequestValue::Type::Float, true, start, numbers.size());
    }
    return true;
}

// One value of any kind, left unread.
bool Parser::skipValue() {
    Token first = take();
    if (first.kind != TokenKind::Open) return first.kind != TokenKind::Error;
    for (;;) {
        TokenKind kind = peek().kind;
        if (kind == TokenKind::Close) {
            take();
            return true;
        }
        if (kind == TokenKind::Keyword || kind == TokenKind::End || kind == TokenKind::Fatal)
            return fail(first, kUnterminatedArray);
        if (take().kind == TokenKind::Error) return false;
    }
}

bool Parser::readParams() {
    const char *k = request.shape->keyword;
    for (;;) {
        Token name = peek();
        if (name.kind == TokenKind::Keyword || name.kind == TokenKind::End || name.kind == TokenKind::Fatal)
            return true;
        if (name.kind != TokenKind::String) return fail(name, formatString(kParamName, k));
        take();
        const ParamDecl *decl = DeclTable::lookup(name.text);
        if (!decl) {
            holdingLexerReport = true;
            const UndeclaredValues values =
                peek().kind == TokenKind::String ? UndeclaredValues::Strings : UndeclaredValues::Numbers;
            holdingLexerReport = false;
            const std::string printable = printableText(name.text, name.length);
            report(name.line, name.offset,
                   formatString(kKeywordPrefixed, k, undeclaredParameterText(printable.c_str(), values).c_str()));
            for (const LexerReport &held : heldLexerReport) report(held.line, held.offset, held.message);
            heldLexerReport.clear();
            if (!skipValue()) return false;
            continue;
        }
        // A declaration without a type, or with a length that does not fit
        // an int: its value is skipped and its pair left out.
        if (decl->type == ParamType::None) {
            report(name.line, name.offset,
                   formatString(kBadDeclaration, k, printableText(name.text, name.length).c_str()));
            if (!skipValue()) return false;
            continue;
        }
        ValueShape::Kind kind = paramValueShape(*decl, uncountedCounts()).kind;
        TokenKind next = peek().kind;
        bool strings = next == TokenKind::String;
        bool numbers = next == TokenKind::Number || next == TokenKind::FloatArray;
        const char *wrong = nullptr;
        if ((kind == ValueShape::Floats || kind == ValueShape::Integers) && strings)
            wrong = kind == ValueShape::Floats ? kNumericKind : kIntegerKind;
        else if (kind == ValueShape::Strings && numbers)
            wrong = kStringKind;
        if (wrong) {
            report(name.line, name.offset,
                   formatString(kParamKind, k, printableText(name.text, name.length).c_str(), wrong));
            if (!skipValue()) return false;
            continue;
        }
        size_t position = request.args.size() + 1;
        bool ok = true;
        parameter = &name;
        parameterKind = kind == ValueShape::Floats     ? kNumericKind
                        : kind == ValueShape::Integers ? kIntegerKind
                                                       : kStringKind;
        switch (kind) {
        case ValueShape::Floats: ok = readFloats(position, -1, true, kNumbers); break;
        case ValueShape::Integers: ok = readInts(position, true, kIntegers); break;
        case ValueShape::Strings: ok = readStrings(position, true, kStrings); break;
        case ValueShape::Nothing: pushArg('n', 0, 0); break;
        }
        parameter = nullptr;
        if (!ok) return false;
        ParsedRequest::Arg value = request.args.back();
        request.args.pop_back();
        request.params.push_back({name.text, decl, kind, value.offset, value.count});
    }
}

RibParseResult parseInput(std::unique_ptr<ByteInput> input, const char *sourceName, RenderContext &target,
                          RibDiagnostics &diagnostics, const RibParseLimits &limits) {
    try {
        // Each stream is read with the standard declarations, whatever an
        // earlier stream declared.
        declareStandardTokens();
        Parser parser(std::move(input), sourceName ? sourceName : "", target, diagnostics, limits);
        return parser.run();
    } catch (const std::bad_alloc &) {
        RibParseError error;
        error.source = sourceName ? sourceName : "";
        error.message = kOutOfMemory;
        diagnostics.error(error);
        RibParseResult result;
        result.errors = 1;
        return result;
    }
}

}  // namespace

RibDiagnostics::~RibDiagnostics() = default;

bool RibDiagnostics::proceed(size_t, size_t) {
    return true;
}

void RibDiagnostics::reached(size_t) {}

// A source that could not be read at all has no line.
void RibDiagnostics::error(const RibParseError &error) {
    std::string line = formatRibParseError(error);
    line += '\n';
    reportText(error.line == 0 ? RIE_NOFILE : RIE_SYNTAX, RIE_ERROR, line.c_str());
}

RibParseResult parseRib(const char *fileName, RenderContext &target, RibDiagnostics &diagnostics,
                        const RibParseLimits &limits) {
    if (fileName && std::strcmp(fileName, kStdinArgument) == 0)
        return parseRib(stdin, kStdinName, target, diagnostics, limits);
    FILE *in = fileName ? std::fopen(fileName, "rb") : nullptr;
    if (!in) {
        RibParseError error;
        error.source = fileName ? fileName : "";
        error.message = formatString(kCannotOpen, std::strerror(fileName ? errno : EINVAL));
        diagnostics.error(error);
        RibParseResult result;
        result.errors = 1;
        return result;
    }
    RibParseResult result = parseRib(in, fileName, target, diagnostics, limits);
    std::fclose(in);
    return result;
}

RibParseResult parseRib(FILE *stream, const char *sourceName, RenderContext &target, RibDiagnostics &diagnostics,
                        const RibParseLimits &limits) {
    return parseInput(ByteInput::fromFile(stream), sourceName, target, diagnostics, limits);
}

RibParseResult parseRib(const void *data, size_t size, const char *sourceName, RenderContext &target,
                        RibDiagnostics &diagnostics, const RibParseLimits &limits) {
    return parseInput(ByteInput::fromMemory(data, size), sourceName, target, diagnostics, limits);
}

}  // namespace quillet
