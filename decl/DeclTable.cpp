// The declaration grammar and the process-wide declaration table.
#include "quillet/DeclTable.h"

#include <algorithm>
#include <cerrno>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "decl/DeclarationWords.h"
#include "decl/StringPool.h"
#include "format/PrintableText.h"

namespace quillet {

namespace {

template <typename Code>
struct Keyword {
    const char *text;
    size_t length;
    Code code;
};

template <typename Code, size_t N>
constexpr Keyword<Code> keyword(const char (&text)[N], Code code) {
    return Keyword<Code>{text, N - 1, code};
}

// Tested in this order; the first whose text begins the input wins.
const Keyword<ParamClass> kClassWords[] = {
    keyword(words::kUniform, ParamClass::Uniform),         keyword(words::kVarying, ParamClass::Varying),
    keyword(words::kVertex, ParamClass::Vertex),           keyword(words::kConstant, ParamClass::Constant),
    keyword(words::kFaceVarying, ParamClass::FaceVarying), keyword(words::kFaceVertex, ParamClass::FaceVertex),
};

// "integer" comes before "int" so that it is consumed whole.
const Keyword<ParamType> kTypeWords[] = {
    keyword(words::kFloat, ParamType::Float),   keyword(words::kInteger, ParamType::Integer),
    keyword(words::kInt, ParamType::Integer),   keyword(words::kPoint, ParamType::Point),
    keyword(words::kColor, ParamType::Color),   keyword(words::kString, ParamType::String),
    keyword(words::kVector, ParamType::Vector), keyword(words::kNormal, ParamType::Normal),
    keyword(words::kHpoint, ParamType::Hpoint), keyword(words::kMatrix, ParamType::Matrix),
    keyword(words::kMpoint, ParamType::Mpoint),
};

// The words that may open an inline declaration, tried once each in this order.
const char *const kInlineWords[] = {
    words::kConstant, words::kUniform, words::kVarying, words::kVertex, words::kFaceVarying, words::kFaceVertex,
    words::kFloat,    words::kInteger, words::kInt,     words::kPoint,  words::kVector,      words::kNormal,
    words::kHpoint,   words::kColor,   words::kString,  words::kMatrix, words::kMpoint,
};

std::atomic<uint64_t> namedChanges{0};

const char kBadDeclaration[] = "quillet error: bad declaration \"%s\" for \"%s\"\n";

// A declaration without a readable type, or with an array length that does
// not fit an int: its parameters cannot be written, and their pairs are
// dropped where they are used. An inline prefix is shown without its
// trailing blanks.
void reportBadDeclaration(const char *declaration, const char *name) {
    const char *text = declaration ? declaration : "";
    size_t length = std::strlen(text);
    while (length > 0 && text[length - 1] == ' ') --length;
    std::fprintf(stderr, kBadDeclaration, printableText(text, length).c_str(), printableText(name).c_str());
}

const char *skipBlanks(const char *p) {
    while (*p == ' ') ++p;
    return p;
}

// The first character decides most mismatches without a call.
bool startsWith(const char *text, const char *word, size_t length) {
    return text[0] == word[0] && std::strncmp(text, word, length) == 0;
}

// Consumes the first keyword of the list that begins the text at p.
template <typename Code, size_t N>
bool matchKeyword(const char *&p, const Keyword<Code> (&words)[N], Code &code) {
    for (const Keyword<Code> &word : words) {
        if (startsWith(p, word.text, word.length)) {
            p += word.length;
            code = word.code;
            return true;
        }
    }
    return false;
}

// The number after '[', as atoi reads it; false when it does not fit an int.
bool arrayLengthAt(const char *p, int &length) {
    errno = 0;
    long long value = std::strtoll(p, nullptr, 10);
    if (errno == ERANGE || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return false;
    length = static_cast<int>(value);
    return true;
}

}  // namespace

ParsedDeclaration parseDeclaration(const char *declaration) {
    ParsedDeclaration parsed{ParamClass::Uniform, ParamType::None, 1};
    const char *p = skipBlanks(declaration ? declaration : "");
    matchKeyword(p, kClassWords, parsed.paramClass);
    p = skipBlanks(p);
    matchKeyword(p, kTypeWords, parsed.type);
    p = skipBlanks(p);
    if (*p == '[' && !arrayLengthAt(p + 1, parsed.arrayLength)) parsed.type = ParamType::None;
    return parsed;
}

bool isReadableDeclaration(const char *declaration) {
    return !declaration || !*declaration || parseDeclaration(declaration).type != ParamType::None;
}

int inlinePrefixLength(const char *token) {
    if (!token) return 0;
    const char *p = token;
    for (const char *word : kInlineWords) {
        if (p[0] != word[0]) continue;
        size_t length = std::strlen(word);
        if (!startsWith(p, word, length) || (p[length] != ' ' && p[length] != '[')) continue;
        p += length;
        if (*p == '[') {
            const char *close = std::strchr(p, ']');
            p = close ? close + 1 : p + std::strlen(p);
        }
        p = skipBlanks(p);
    }
    return static_cast<int>(p - token);
}

RtToken DeclTable::declare(const char *name, const char *declaration, const char *key, bool inlineDeclaration) {
    if (!name) return nullptr;
    ParsedDeclaration parsed = parseDeclaration(declaration);
    if (parsed.type == ParamType::None) reportBadDeclaration(declaration, name);
    ParamDecl *record = inlineDeclaration ? nullptr : lookup(name);
    const bool created = !record;
    if (!record) {
        const char *tokenName = StringPool::intern(name);
        const char *recordKey = key ? StringPool::intern(key) : tokenName;
        record = new ParamDecl(recordKey, tokenName);
        if (table().insert(record, false) != 0) {
            // A record with this key exists already (a name with leading
            // blanks, which lookup does not see): update that one instead.
            // After the table's release at exit there is none to update.
            delete record;
            record = static_cast<ParamDecl *>(table().find(recordKey));
        }
    }
    if (record) {
        if (!inlineDeclaration && (created || record->paramClass != parsed.paramClass || record->type != parsed.type ||
                                   record->arrayLength != parsed.arrayLength))
            namedChanges.fetch_add(1, std::memory_order_relaxed);
        record->paramClass = parsed.paramClass;
        record->type = parsed.type;
        record->arrayLength = parsed.arrayLength;
        return record->tokenName;
    }
    return StringPool::intern(name);
}

RtToken declareRequest(const char *name, const char *declaration) {
    if (declaration && *declaration) return DeclTable::declare(name, declaration, nullptr, false);
    return StringPool::intern(name);
}

ParamDecl *DeclTable::lookup(RtToken token) {
    if (!token) return nullptr;
    const char *text = skipBlanks(token);
    if (SymbolEntry *entry = table().find(text)) return static_cast<ParamDecl *>(entry);
    int n = inlinePrefixLength(text);
    if (n == 0) return nullptr;
    // The whole prefix, however long: its words and any "[...]" part.
    std::string prefix(text, static_cast<size_t>(n));
    declare(skipBlanks(text + n), prefix.c_str(), text, true);
    return static_cast<ParamDecl *>(table().find(text));
}

uint64_t DeclTable::changes() {
    return namedChanges.load(std::memory_order_relaxed);
}

int DeclTable::declaredValueBytes(RtToken token) {
    ParamDecl *record = lookup(token);
    return record ? record->valueBytes() : 0;
}

}  // namespace quillet
