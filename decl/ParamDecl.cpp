// Declaration records and the names and sizes of their class and type codes.
#include "quillet/ParamDecl.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "decl/DeclarationWords.h"

namespace quillet {

namespace {

struct TypeInfo {
    const char *name;
    int elementBytes;
    int floatCount;
};

// Indexed by ParamType code; codes 10 to 15 are unassigned.
const TypeInfo kTypes[] = {
    {"", 0, 0},
    {words::kFloat, sizeof(float), 1},
    {words::kPoint, 3 * sizeof(float), 3},
    {words::kColor, 3 * sizeof(float), 3},
    {words::kString, sizeof(char *), 0},
    {words::kInteger, sizeof(int), 0},
    {words::kVector, 3 * sizeof(float), 3},
    {words::kNormal, 3 * sizeof(float), 3},
    {words::kHpoint, 4 * sizeof(float), 4},
    {words::kMatrix, 16 * sizeof(float), 16},
    {"", 0, 0},
    {"", 0, 0},
    {"", 0, 0},
    {"", 0, 0},
    {"", 0, 0},
    {"", 0, 0},
    {words::kMpoint, 16 * sizeof(float), 16},
};
const int kTypeCount = sizeof kTypes / sizeof kTypes[0];

// Indexed by ParamClass code.
const char *const kClassNames[] = {
    "", words::kConstant, words::kUniform, words::kVarying, words::kVertex, words::kFaceVarying, words::kFaceVertex};
const int kClassCount = sizeof kClassNames / sizeof kClassNames[0];

const TypeInfo &typeInfo(int code) {
    return code >= 0 && code < kTypeCount ? kTypes[code] : kTypes[0];
}

}  // namespace

const char *typeName(int code) {
    return typeInfo(code).name;
}

const char *className(int code) {
    return code >= 0 && code < kClassCount ? kClassNames[code] : "";
}

int typeElementBytes(int code) {
    return typeInfo(code).elementBytes;
}

int typeFloatCount(int code) {
    return typeInfo(code).floatCount;
}

void formatDeclaration(char *buffer, size_t size, int paramClass, int type, int arrayLength) {
    if (size == 0) return;
    int written = std::snprintf(buffer, size, "%s %s", className(paramClass), typeName(type));
    if (written < 0 || static_cast<size_t>(written) >= size) return;
    if (arrayLength > 1)
        std::snprintf(buffer + written, size - written, "[%d]", arrayLength);
    else if (arrayLength <= 0)
        std::snprintf(buffer + written, size - written, "[]");
}

ParamDecl::ParamDecl(const char *key, const char *tokenName)
    : SymbolEntry(key), tokenName(tokenName), type(ParamType::None), paramClass(ParamClass::Uniform), arrayLength(1) {}

// Names belong to the string pool: nothing to free.
ParamDecl::~ParamDecl() = default;

void ParamDecl::format(char *buffer, size_t size) const {
    formatDeclaration(buffer, size, static_cast<int>(paramClass), static_cast<int>(type), arrayLength);
}

int ParamDecl::valueBytes() const {
    const long long bytes = static_cast<long long>(typeElementBytes(static_cast<int>(type))) * arrayLength;
    return static_cast<int>(std::min<long long>(std::max<long long>(bytes, std::numeric_limits<int>::min()),
                                                std::numeric_limits<int>::max()));
}

}  // namespace quillet
