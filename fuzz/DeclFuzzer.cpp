// Fuzz target: the declaration grammar and the declaration table. The input
// is a list of texts separated by 0x00 bytes; the first byte of each text
// chooses what is done with the rest of it.
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "quillet/DeclTable.h"
#include "decl/StringPool.h"

using namespace quillet;

namespace {

// Checks that hold for any text; a failure is a crash for the fuzzer.
void require(bool condition) {
    if (!condition) __builtin_trap();
}

// Formatted declaration text reads back as the declaration it came from. A
// length of 0 or less carries no values, and "[]" stands for all of them.
void requireReadsBackAs(const char *text, ParamClass paramClass, ParamType type, int arrayLength) {
    const ParsedDeclaration again = parseDeclaration(text);
    require(again.paramClass == paramClass);
    require(again.type == type);
    require(again.arrayLength == arrayLength || (again.arrayLength <= 0 && arrayLength <= 0));
}

void checkRecord(const ParamDecl *record) {
    if (!record) return;
    require(record->tokenName != nullptr);
    char small[8];
    char large[64];
    record->format(small, sizeof small);
    require(std::memchr(small, '\0', sizeof small) != nullptr);
    record->format(large, sizeof large);
    require(std::memchr(large, '\0', sizeof large) != nullptr);
    requireReadsBackAs(large, record->paramClass, record->type, record->arrayLength);
    (void)record->valueBytes();
}

void checkPrefix(const std::string &text) {
    const int length = inlinePrefixLength(text.c_str());
    require(length >= 0 && static_cast<size_t>(length) <= std::strlen(text.c_str()));
}

// A declaration read, formatted and read again is the same declaration.
void checkParse(const std::string &text) {
    const ParsedDeclaration parsed = parseDeclaration(text.c_str());
    char buffer[40];
    formatDeclaration(buffer, sizeof buffer, static_cast<int>(parsed.paramClass), static_cast<int>(parsed.type),
                      parsed.arrayLength);
    require(std::memchr(buffer, '\0', sizeof buffer) != nullptr);
    requireReadsBackAs(buffer, parsed.paramClass, parsed.type, parsed.arrayLength);
}

// Declarations go to a few names so that the table stays small over a long run.
std::string declaredName(const std::string &text) {
    static const char *const kNames[] = {"P", "Cs", "st", "fz", " fz", "varying float fz", ""};
    const size_t index = text.empty() ? 0 : static_cast<unsigned char>(text[0]) % (sizeof kNames / sizeof *kNames);
    return kNames[index];
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    std::vector<std::string> texts(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            texts.emplace_back();
        else
            texts.back() += static_cast<char>(data[i]);
    }
    for (size_t i = 0; i < texts.size(); ++i) {
        const std::string &text = texts[i];
        const std::string rest = text.empty() ? text : text.substr(1);
        checkParse(rest);
        checkPrefix(rest);
        switch (text.empty() ? 0 : static_cast<unsigned char>(text[0]) % 6) {
        case 0: checkRecord(DeclTable::lookup(rest.c_str())); break;
        case 1: {
            // The next text is the declaration of a name chosen by this one.
            const std::string declaration = i + 1 < texts.size() ? texts[i + 1] : std::string();
            const std::string name = declaredName(rest);
            RtToken token = DeclTable::declare(name.c_str(), declaration.c_str(), nullptr, false);
            require(token != nullptr);
            checkRecord(DeclTable::lookup(token));
            break;
        }
        case 2: (void)DeclTable::declaredValueBytes(rest.c_str()); break;
        case 3: {
            char buffer[24];
            const size_t bufferSize = rest.empty() ? 0 : static_cast<unsigned char>(rest[0]) % sizeof buffer;
            const int paramClass = rest.size() > 1 ? static_cast<signed char>(rest[1]) : 0;
            const int type = rest.size() > 2 ? static_cast<signed char>(rest[2]) : 0;
            int arrayLength = 1;
            if (rest.size() > 6) std::memcpy(&arrayLength, rest.data() + 3, sizeof arrayLength);
            formatDeclaration(buffer, bufferSize, paramClass, type, arrayLength);
            if (bufferSize > 0) require(std::memchr(buffer, '\0', bufferSize) != nullptr);
            (void)typeName(type);
            (void)className(paramClass);
            (void)typeElementBytes(type);
            (void)typeFloatCount(type);
            break;
        }
        case 4: require(StringPool::intern(declaredName(rest).c_str()) != nullptr); break;
        default:
            // A lookup through a name with leading blanks and an inline prefix.
            checkRecord(DeclTable::lookup(("  " + rest).c_str()));
            break;
        }
    }
    return 0;
}
