#include <gtest/gtest.h>

#include <string>

#include "tests/decl/TestSupport.h"
#include "quillet/DeclTable.h"
#include "decl/StringPool.h"
#include "quillet/RibWriter.h"
#include "quillet/ri.h"

using namespace quillet;

namespace {

const char kEmptyStream[] = "##RenderMan RIB-Structure 1.0\nversion 3.03\n\n";

struct Expected {
    const char *name;
    ParamClass paramClass;
    ParamType type;
    int arrayLength;
};

// One name from each declaration group, and a few from both ends of the lists.
const Expected kSpotChecks[] = {
    {"intensity", ParamClass::Uniform, ParamType::Float, 1},
    {"maxpixeldist", ParamClass::Uniform, ParamType::Float, 1},
    {"lightcolor", ParamClass::Uniform, ParamType::Color, 1},
    {"othreshold", ParamClass::Uniform, ParamType::Color, 1},
    {"Np", ParamClass::Uniform, ParamType::Point, 1},
    {"texturename", ParamClass::Uniform, ParamType::String, 1},
    {"shader", ParamClass::Uniform, ParamType::String, 1},
    {"name", ParamClass::Uniform, ParamType::String, 1},
    {"__category", ParamClass::Uniform, ParamType::String, 1},
    {"look_behind", ParamClass::Uniform, ParamType::Integer, 1},
    {"enable gaussian", ParamClass::Uniform, ParamType::Integer, 1},
    {"enable lerp", ParamClass::Uniform, ParamType::Integer, 1},
    {"enable", ParamClass::Uniform, ParamType::Integer, 1},
    {"merge", ParamClass::Uniform, ParamType::Integer, 1},
    {"newgroup", ParamClass::Uniform, ParamType::Integer, 1},
    {"origin", ParamClass::Uniform, ParamType::Integer, 2},
    {"bucketsize", ParamClass::Uniform, ParamType::Integer, 2},
    {"windowlocation", ParamClass::Uniform, ParamType::Integer, 2},
    {"resolution", ParamClass::Uniform, ParamType::Float, 2},
    {"pickregion", ParamClass::Uniform, ParamType::Float, 4},
    {"zblur", ParamClass::Uniform, ParamType::Float, 6},
    {"transform", ParamClass::Uniform, ParamType::Matrix, 1},
    {"constantwidth", ParamClass::Constant, ParamType::Float, 1},
    {"minwidth", ParamClass::Constant, ParamType::Float, 1},
    {"width", ParamClass::Varying, ParamType::Float, 1},
    {"__nonspecular", ParamClass::Varying, ParamType::Float, 1},
    {"st", ParamClass::Varying, ParamType::Float, 2},
    {"Cs", ParamClass::Varying, ParamType::Color, 1},
    {"N", ParamClass::Varying, ParamType::Normal, 1},
    {"P", ParamClass::Vertex, ParamType::Point, 1},
    {"_$w", ParamClass::Vertex, ParamType::Float, 1},
    {"Pw", ParamClass::Vertex, ParamType::Hpoint, 1},
};

// Tokens interned without a declaration.
const char *const kUndeclared[] = {"box", "catmull-rom", "object", "perspective", "ignoreabove"};

// Variables that predeclaration never rewrites.
RtToken *const kUntouched[] = {
    &RI_MATTE,       &RI_METAL,        &RI_PLASTIC,    &RI_PAINTEDPLASTIC, &RI_SHINYMETAL, &RI_BUMPY, &RI_DEPTHCUE,
    &RI_FOG,         &RI_AMBIENTLIGHT, &RI_POINTLIGHT, &RI_DISTANTLIGHT,   &RI_SPOTLIGHT,  &RI_MERGE, &RI_FLATNESS,
    &RI_FRAMEBUFFER, &RI_FILE,         &RI_RGBA,       &RI_RGBZ,           &RI_RGBAZ,      &RI_A,     &RI_Z,
    &RI_AZ,          &RI_ORIGIN,
};

// Variables from every phase that receive the interned copy.
RtToken *const kRewritten[] = {
    &RI_INTENSITY,     &RI_KD,         &RI_RGB,  &RI_P,           &RI_CS,        &RI_ST,
    &RI_CONSTANTWIDTH,  // phase 1
    &RI_SHADER,         // phase 2
    &RI_NONDIFFUSE,
    &RI_NONSPECULAR,  // phase 3
    &RI_BOX,           &RI_CATMULLROM, &RI_NAME, &RI_PERSPECTIVE, &RI_PRIMITIVE,
    &RI_OBJECT,  // phase 4
    &RI_CATEGORY,
    &RI_W_HOMOGENEOUS,  // phase 5
};

int countRecords() {
    int count = 0;
    DeclTable::table().forEach([](SymbolEntry *, void *context) { ++*static_cast<int *>(context); }, &count);
    return count;
}

}  // namespace

TEST(Predeclared, FirstStreamDeclares181Records) {
    RUN_IN_FRESH_PROCESS();
    ASSERT_EQ(countRecords(), 0);
    EXPECT_EQ(StringPool::table().find("P"), nullptr);
    RtToken untouched[sizeof kUntouched / sizeof kUntouched[0]];
    for (size_t i = 0; i < sizeof kUntouched / sizeof kUntouched[0]; ++i) untouched[i] = *kUntouched[i];

    std::string path = tempPath("first.rib");
    RiBegin(path.c_str());
    EXPECT_EQ(countRecords(), 181);
    EXPECT_EQ(DeclTable::table().entriesAdded, 181);
    RiEnd();
    EXPECT_EQ(readFile(path), kEmptyStream);

    for (size_t i = 0; i < sizeof kUntouched / sizeof kUntouched[0]; ++i) {
        EXPECT_EQ(*kUntouched[i], untouched[i]) << untouched[i];
        EXPECT_NE(*kUntouched[i], StringPool::intern(untouched[i])) << untouched[i];
    }

    // A second stream redeclares the same names and adds nothing.
    RtToken p = RI_P;
    std::string second = tempPath("second.rib");
    delete new RibWriter(second.c_str(), RI_NULL);
    EXPECT_EQ(countRecords(), 181);
    EXPECT_EQ(RI_P, p);
    EXPECT_EQ(readFile(second), kEmptyStream);
    std::remove(path.c_str());
    std::remove(second.c_str());
}

TEST(Predeclared, TableAfterStreamStart) {
    std::string path = tempPath("table.rib");
    RiBegin(path.c_str());
    for (const Expected &e : kSpotChecks) {
        ParamDecl *record = DeclTable::lookup(e.name);
        ASSERT_NE(record, nullptr) << e.name;
        EXPECT_EQ(record->paramClass, e.paramClass) << e.name;
        EXPECT_EQ(record->type, e.type) << e.name;
        EXPECT_EQ(record->arrayLength, e.arrayLength) << e.name;
        EXPECT_EQ(record->tokenName, StringPool::intern(e.name)) << e.name;
    }
    for (const char *name : kUndeclared) EXPECT_EQ(DeclTable::lookup(name), nullptr) << name;
    for (RtToken *variable : kRewritten) EXPECT_EQ(*variable, StringPool::intern(*variable)) << *variable;
    EXPECT_STREQ(RI_P, "P");
    EXPECT_STREQ(RI_W_HOMOGENEOUS, "_$w");
    EXPECT_STREQ(RI_ORIGIN, "origin");
    RiEnd();
    std::remove(path.c_str());
}

TEST(Predeclared, TokenVariablesMatchByPointer) {
    std::string path = tempPath("pointer.rib");
    RiBegin(path.c_str());
    SymbolTable &table = DeclTable::table();
    int compares = table.stringCompares;
    int found = table.found;
    for (RtToken token : {RI_CS, RI_P, RI_ST, RI_KD, RI_W_HOMOGENEOUS, RI_NONDIFFUSE})
        EXPECT_NE(DeclTable::lookup(token), nullptr) << token;
    EXPECT_EQ(table.found, found + 6);
    EXPECT_EQ(table.stringCompares, compares);
    // The same text through another pointer costs a comparison.
    EXPECT_NE(DeclTable::lookup(std::string("Cs").c_str()), nullptr);
    EXPECT_EQ(table.stringCompares, compares + 1);
    RiEnd();
    std::remove(path.c_str());
}

TEST(DeclareRequest, EchoedAndRecorded) {
    std::string path = tempPath("declare.rib");
    RiBegin(path.c_str());
    RtToken kd = RiDeclare("declEchoKd", "uniform float");
    EXPECT_EQ(kd, StringPool::intern("declEchoKd"));
    EXPECT_EQ(RiDeclare(std::string("declEchoKd").c_str(), "varying   color[2]"), kd);
    ParamDecl *record = DeclTable::lookup("declEchoKd");
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->paramClass, ParamClass::Varying);
    EXPECT_EQ(record->type, ParamType::Color);
    EXPECT_EQ(record->arrayLength, 2);

    // Empty or null declarations only intern the name.
    EXPECT_EQ(RiDeclare("declEchoKd", ""), kd);
    EXPECT_EQ(RiDeclare("declEchoOnlyName", nullptr), StringPool::intern("declEchoOnlyName"));
    EXPECT_EQ(DeclTable::lookup("declEchoOnlyName"), nullptr);
    EXPECT_EQ(record->type, ParamType::Color);
    EXPECT_EQ(record->arrayLength, 2);
    RiEnd();
    EXPECT_EQ(readFile(path), "##RenderMan RIB-Structure 1.0\nversion 3.03\n"
                              "Declare \"declEchoKd\" \"uniform float\"\n"
                              "Declare \"declEchoKd\" \"varying   color[2]\"\n"
                              "Declare \"declEchoKd\" \"\"\n"
                              "Declare \"declEchoOnlyName\" \"\"\n"
                              "\n");
    std::remove(path.c_str());
}

TEST(DeclareRequest, NewStreamUndoesRedeclarationOfPredeclaredName) {
    std::string path = tempPath("redeclare.rib");
    RiBegin(path.c_str());
    ParamDecl *kd = DeclTable::lookup("Kd");
    ASSERT_NE(kd, nullptr);
    EXPECT_EQ(RiDeclare("Kd", "varying float"), RI_KD);
    EXPECT_EQ(kd->paramClass, ParamClass::Varying);
    RiEnd();
    RiBegin(path.c_str());
    EXPECT_EQ(DeclTable::lookup("Kd"), kd);
    EXPECT_EQ(kd->paramClass, ParamClass::Uniform);
    EXPECT_EQ(kd->type, ParamType::Float);
    RiEnd();
    EXPECT_EQ(readFile(path), kEmptyStream);
    std::remove(path.c_str());
}

// A stream that starts while the table still holds the standard
// declarations looks nothing up; a redeclared standard name makes the next
// stream declare them all again, inline declarations do not.
TEST(Predeclared, OnlyAChangedTableIsDeclaredAgain) {
    std::string path = tempPath("again.rib");
    delete new RibWriter(path.c_str(), RI_NULL);
    SymbolTable &table = DeclTable::table();
    const int32_t lookups = table.lookups;
    delete new RibWriter(path.c_str(), RI_NULL);
    EXPECT_EQ(table.lookups, lookups);

    EXPECT_NE(DeclTable::lookup("uniform float againInline"), nullptr);
    const int32_t afterInline = table.lookups;
    delete new RibWriter(path.c_str(), RI_NULL);
    EXPECT_EQ(table.lookups, afterInline);

    RtToken kd = declareRequest("Kd", "vertex color");
    delete new RibWriter(path.c_str(), RI_NULL);
    EXPECT_GT(table.lookups, afterInline);
    ParamDecl *record = DeclTable::lookup(kd);
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->paramClass, ParamClass::Uniform);
    EXPECT_EQ(record->type, ParamType::Float);
    EXPECT_EQ(readFile(path), kEmptyStream);
    std::remove(path.c_str());
}
