#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "quillet/DeclTable.h"
#include "decl/StringPool.h"

using namespace quillet;

namespace {

struct GrammarCase {
    const char *text;
    ParamClass paramClass;
    ParamType type;
    int arrayLength;
};

const GrammarCase kGrammarCases[] = {
    {"float", ParamClass::Uniform, ParamType::Float, 1},
    {"   varying   color  ", ParamClass::Varying, ParamType::Color, 1},
    {"vertex point", ParamClass::Vertex, ParamType::Point, 1},
    {"constant string", ParamClass::Constant, ParamType::String, 1},
    {"uniform float[3]", ParamClass::Uniform, ParamType::Float, 3},
    {"uniform float [3]", ParamClass::Uniform, ParamType::Float, 3},
    {"float[]", ParamClass::Uniform, ParamType::Float, 0},
    {"float[-1]", ParamClass::Uniform, ParamType::Float, -1},
    // Lengths are kept whole; beyond int's range they stop at its limits.
    {"float[32767]", ParamClass::Uniform, ParamType::Float, 32767},
    {"float[32768]", ParamClass::Uniform, ParamType::Float, 32768},
    {"float[65536]", ParamClass::Uniform, ParamType::Float, 65536},
    {"uniform float[70000]", ParamClass::Uniform, ParamType::Float, 70000},
    // A length that does not fit an int leaves no type: a bad declaration.
    {"float[2147483647]", ParamClass::Uniform, ParamType::Float, INT_MAX},
    {"float[-2147483648]", ParamClass::Uniform, ParamType::Float, INT_MIN},
    {"float[2147483648]", ParamClass::Uniform, ParamType::None, 1},
    {"float[-2147483649]", ParamClass::Uniform, ParamType::None, 1},
    {"float[99999999999999999999999999999999]", ParamClass::Uniform, ParamType::None, 1},
    {"int", ParamClass::Uniform, ParamType::Integer, 1},
    {"integer", ParamClass::Uniform, ParamType::Integer, 1},
    {"integer[2]", ParamClass::Uniform, ParamType::Integer, 2},
    {"int[2]", ParamClass::Uniform, ParamType::Integer, 2},
    {"uniformfloat", ParamClass::Uniform, ParamType::Float, 1},
    {"floats", ParamClass::Uniform, ParamType::Float, 1},
    {"constant", ParamClass::Constant, ParamType::None, 1},
    {"", ParamClass::Uniform, ParamType::None, 1},
    {nullptr, ParamClass::Uniform, ParamType::None, 1},
    {"facevarying float", ParamClass::FaceVarying, ParamType::Float, 1},
    {"facevertex point[2]", ParamClass::FaceVertex, ParamType::Point, 2},
    {"facevaryingcolor", ParamClass::FaceVarying, ParamType::Color, 1},
    {"\tfloat", ParamClass::Uniform, ParamType::None, 1},
    {"varying hpoint", ParamClass::Varying, ParamType::Hpoint, 1},
    {"vertex mpoint[2] junk", ParamClass::Vertex, ParamType::Mpoint, 2},
    {"matrix", ParamClass::Uniform, ParamType::Matrix, 1},
    {"normal", ParamClass::Uniform, ParamType::Normal, 1},
    {"vector", ParamClass::Uniform, ParamType::Vector, 1},
    {"color junk[4]", ParamClass::Uniform, ParamType::Color, 1},
};

struct PrefixCase {
    const char *token;
    int length;
};

const PrefixCase kPrefixCases[] = {
    {"uniform float x", 14},
    {"float uniform x", 6},
    {"float[2] x", 9},
    {"float [2] x", 6},
    {"uniformfloat x", 0},
    {"x", 0},
    {"float", 0},
    {"varying color[2]  tint", 18},
    {"float[2 x", 9},
    {"int x", 4},
    {"integer x", 8},
    {"vertex hpoint Pw", 14},
    {"point color x", 12},  // "color" comes after "point" in the keyword list
    {"color point x", 6},   // "point" has been passed over
    {"float float x", 6},   // each keyword only once
};

struct FormatCase {
    int paramClass, type, arrayLength;
    const char *text;
};

const FormatCase kFormatCases[] = {
    {3, 3, 1, "varying color"},
    {2, 1, 4, "uniform float[4]"},
    {4, 2, -1, "vertex point[]"},
    {0, 1, 1, " float"},
    {2, 5, 0, "uniform integer[]"},  // "[]" reads back as 0, no suffix as 1
    {1, 16, 2, "constant mpoint[2]"},
    {3, 1, 70000, "varying float[70000]"},
    {7, 12, 1, " "},
};

}  // namespace

TEST(DeclarationGrammar, Cases) {
    for (const GrammarCase &c : kGrammarCases) {
        ParsedDeclaration parsed = parseDeclaration(c.text);
        const char *text = c.text ? c.text : "(null)";
        EXPECT_EQ(parsed.paramClass, c.paramClass) << text;
        EXPECT_EQ(parsed.type, c.type) << text;
        EXPECT_EQ(parsed.arrayLength, c.arrayLength) << text;
    }
}

TEST(DeclarationGrammar, InlinePrefixLength) {
    for (const PrefixCase &c : kPrefixCases) EXPECT_EQ(inlinePrefixLength(c.token), c.length) << c.token;
    EXPECT_EQ(inlinePrefixLength(nullptr), 0);
}

TEST(DeclarationNames, TypesAndClasses) {
    struct TypeCase {
        int code;
        const char *name;
        int elementBytes, floats;
    } types[] = {
        {0, "", 0, 0},
        {1, "float", 4, 1},
        {2, "point", 12, 3},
        {3, "color", 12, 3},
        {4, "string", static_cast<int>(sizeof(char *)), 0},
        {5, "integer", 4, 0},
        {6, "vector", 12, 3},
        {7, "normal", 12, 3},
        {8, "hpoint", 16, 4},
        {9, "matrix", 64, 16},
        {10, "", 0, 0},
        {15, "", 0, 0},
        {16, "mpoint", 64, 16},
        {17, "", 0, 0},
        {-1, "", 0, 0},
    };
    for (const TypeCase &t : types) {
        EXPECT_STREQ(typeName(t.code), t.name) << t.code;
        EXPECT_EQ(typeElementBytes(t.code), t.elementBytes) << t.code;
        EXPECT_EQ(typeFloatCount(t.code), t.floats) << t.code;
    }
    const char *classes[] = {"", "constant", "uniform", "varying", "vertex", "facevarying", "facevertex", ""};
    for (int code = 0; code < 8; ++code) EXPECT_STREQ(className(code), classes[code]) << code;
    EXPECT_STREQ(className(-1), "");
}

TEST(DeclarationFormat, Cases) {
    char buffer[64];
    for (const FormatCase &c : kFormatCases) {
        formatDeclaration(buffer, sizeof buffer, c.paramClass, c.type, c.arrayLength);
        EXPECT_STREQ(buffer, c.text);
    }
    // The buffer size is respected.
    char small[8] = "xxxxxxx";
    formatDeclaration(small, sizeof small, 2, 1, 4);
    EXPECT_STREQ(small, "uniform");
    char tight[15];
    formatDeclaration(tight, sizeof tight, 2, 1, 4);  // "uniform float" fits, "[4]" does not
    EXPECT_STREQ(tight, "uniform float[");

    DeclTable::declare("declTestFormat", "vertex hpoint[3]", nullptr, false);
    DeclTable::lookup("declTestFormat")->format(buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "vertex hpoint[3]");
}

TEST(DeclTable, RedeclarationKeepsRecordAndToken) {
    std::string name = "declTestKd";
    RtToken first = DeclTable::declare(name.c_str(), "float", nullptr, false);
    EXPECT_EQ(first, StringPool::intern("declTestKd"));
    ParamDecl *record = DeclTable::lookup(first);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->key, first);
    EXPECT_EQ(record->tokenName, first);

    RtToken second = DeclTable::declare(std::string(name).c_str(), "varying float[2]", nullptr, false);
    EXPECT_EQ(second, first);
    EXPECT_EQ(DeclTable::lookup(name.c_str()), record);
    EXPECT_EQ(record->paramClass, ParamClass::Varying);
    EXPECT_EQ(record->type, ParamType::Float);
    EXPECT_EQ(record->arrayLength, 2);
    EXPECT_EQ(record->valueBytes(), 8);
}

TEST(DeclTable, InlineDeclarationKeyedByWholeText) {
    const char *token = "uniform float declTestInline";
    EXPECT_EQ(DeclTable::lookup("declTestInline"), nullptr);
    ParamDecl *record = DeclTable::lookup(token);
    ASSERT_NE(record, nullptr);
    EXPECT_STREQ(record->key, token);
    EXPECT_STREQ(record->tokenName, "declTestInline");
    EXPECT_EQ(record->paramClass, ParamClass::Uniform);
    EXPECT_EQ(record->type, ParamType::Float);
    EXPECT_EQ(record->arrayLength, 1);
    EXPECT_EQ(DeclTable::lookup(std::string(token).c_str()), record);
    EXPECT_EQ(DeclTable::lookup("   uniform float declTestInline"), record);
    EXPECT_EQ(DeclTable::lookup("declTestInline"), nullptr);

    struct InlineCase {
        const char *token, *bareName;
        ParamClass paramClass;
        ParamType type;
        int arrayLength;
    } cases[] = {
        {"float uniform declTestA", "uniform declTestA", ParamClass::Uniform, ParamType::Float, 1},
        {"float[2] declTestB", "declTestB", ParamClass::Uniform, ParamType::Float, 2},
        {"float [2] declTestC", "[2] declTestC", ParamClass::Uniform, ParamType::Float, 1},
        {"vertex point declTestD", "declTestD", ParamClass::Vertex, ParamType::Point, 1},
    };
    for (const InlineCase &c : cases) {
        ParamDecl *r = DeclTable::lookup(c.token);
        ASSERT_NE(r, nullptr) << c.token;
        EXPECT_STREQ(r->tokenName, c.bareName) << c.token;
        EXPECT_EQ(r->paramClass, c.paramClass) << c.token;
        EXPECT_EQ(r->type, c.type) << c.token;
        EXPECT_EQ(r->arrayLength, c.arrayLength) << c.token;
    }
    EXPECT_EQ(DeclTable::lookup("uniformfloat declTestE"), nullptr);
}

TEST(DeclTable, LongInlinePrefixIsParsedWhole) {
    // Far more than 63 characters of prefix: class, blanks, type and bracket.
    std::string token = "varying" + std::string(70, ' ') + "color[" + std::string(60, '0') + "3] declTestLong";
    ParamDecl *record = DeclTable::lookup(token.c_str());
    ASSERT_NE(record, nullptr);
    EXPECT_STREQ(record->tokenName, "declTestLong");
    EXPECT_EQ(record->paramClass, ParamClass::Varying);
    EXPECT_EQ(record->type, ParamType::Color);
    EXPECT_EQ(record->arrayLength, 3);
}

TEST(DeclTable, BlanksAroundTokens) {
    DeclTable::declare("declTestCs", "varying color", nullptr, false);
    ParamDecl *record = DeclTable::lookup("declTestCs");
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(DeclTable::lookup("   declTestCs"), record);
    EXPECT_EQ(DeclTable::lookup("declTestCs "), nullptr);
    EXPECT_EQ(DeclTable::lookup(nullptr), nullptr);
}

TEST(DeclTable, ExplicitDeclarationOfAnInlineName) {
    RtToken token = DeclTable::declare("uniform float declTestBoth", "vertex point", nullptr, false);
    EXPECT_STREQ(token, "declTestBoth");
    ParamDecl *record = DeclTable::lookup("uniform float declTestBoth");
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->paramClass, ParamClass::Vertex);
    EXPECT_EQ(record->type, ParamType::Point);
}

TEST(DeclTable, NameWithLeadingBlanksIsUpdatedNotDuplicated) {
    DeclTable::declare("  declTestBlank", "float", nullptr, false);
    int added = DeclTable::table().entriesAdded;
    RtToken token = DeclTable::declare("  declTestBlank", "color", nullptr, false);
    EXPECT_EQ(DeclTable::table().entriesAdded, added);
    auto *record = static_cast<ParamDecl *>(DeclTable::table().find("  declTestBlank"));
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->tokenName, token);
    EXPECT_EQ(record->type, ParamType::Color);
}

TEST(DeclTable, DeclaredValueBytes) {
    DeclTable::declare("declTestBytes", "uniform color[2]", nullptr, false);
    DeclTable::declare("declTestStrings", "string[3]", nullptr, false);
    EXPECT_EQ(DeclTable::declaredValueBytes("declTestBytes"), 24);
    EXPECT_EQ(DeclTable::declaredValueBytes("declTestStrings"), static_cast<int>(3 * sizeof(char *)));
    EXPECT_EQ(DeclTable::declaredValueBytes("vertex hpoint[2] declTestInlineBytes"), 32);
    // Whole lengths: past 16 bits, and held to int's range past that.
    EXPECT_EQ(DeclTable::declaredValueBytes("float[70000] declTestLongBytes"), 280000);
    EXPECT_EQ(DeclTable::declaredValueBytes("matrix[2147483647] declTestHugeBytes"), INT_MAX);
    EXPECT_EQ(DeclTable::declaredValueBytes("declTestNeverDeclared"), 0);
    EXPECT_EQ(DeclTable::declaredValueBytes(nullptr), 0);
    EXPECT_EQ(DeclTable::table().bucketCount, 5003u);
}

TEST(DeclTable, NullNameDeclaresNothing) {
    int added = DeclTable::table().entriesAdded;
    EXPECT_EQ(DeclTable::declare(nullptr, "float", nullptr, false), nullptr);
    EXPECT_EQ(DeclTable::table().entriesAdded, added);
}
