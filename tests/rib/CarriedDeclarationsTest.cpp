// A token declared while one stream was open arrives declared in the next:
// each stream writes the Declare line of a user declaration before its first
// use there, once; predeclared and inline tokens are never written this way.
#include <gtest/gtest.h>

#include "tests/rib/StreamChild.h"

using namespace quillet_test;

namespace {

TEST(CarriedDeclarations, LaterStreamsDeclareBeforeFirstUse) {
    const std::string first = makeTempPath();
    const std::string second = makeTempPath();
    const std::string third = makeTempPath();
    const ChildResult child = runChild([&] {
        RtFloat kd = 0.5f, width[2] = {0.1f, 0.2f}, p[6] = {0, 0, 0, 1, 1, 1};
        RtInt count = 3;
        RiBegin(first.c_str());
        RiDeclare("cd_width", "varying float");
        RiDeclare("cd_count", "integer");
        RiPoints(2, "P", p, "cd_width", width, RI_NULL);
        RiEnd();
        RiBegin(second.c_str());
        RiSurface("plastic", "Kd", &kd, "cd_count", &count, "uniform float cd_inline", &kd, RI_NULL);
        RiPoints(2, "P", p, "cd_width", width, RI_NULL);
        RiSurface("plastic", "cd_count", &count, RI_NULL);
        RtContextHandle open = RiGetContext();
        RiBegin(third.c_str());
        RiDeclare("cd_late", "color");
        RiContext(open);
        RiAttribute("user", "cd_late", p + 3, RI_NULL);
        RiEnd();
        RiContext(nullptr);
    });
    EXPECT_EQ(child.status, 0);
    EXPECT_EQ(child.standardError, "");
    EXPECT_EQ(readFile(first), wholeStream("Declare \"cd_width\" \"varying float\"\n"
                                           "Declare \"cd_count\" \"integer\"\n"
                                           "Points  \"P\" [0 0 0 1 1 1] \"cd_width\" [0.1 0.2]\n"));
    EXPECT_EQ(readFile(second), wholeStream("Declare \"cd_count\" \"uniform integer\"\n"
                                            "Surface \"plastic\" \"Kd\" [0.5] \"cd_count\" [3 ] "
                                            "\"uniform float cd_inline\" [0.5]\n"
                                            "Declare \"cd_width\" \"varying float\"\n"
                                            "Points  \"P\" [0 0 0 1 1 1] \"cd_width\" [0.1 0.2]\n"
                                            "Surface \"plastic\" \"cd_count\" [3 ]\n"
                                            "Declare \"cd_late\" \"uniform color\"\n"
                                            "Attribute \"user\" \"cd_late\" [1 1 1]\n"));
    for (const std::string &path : {first, second, third}) std::remove(path.c_str());
}

// Found by the parser fuzz target: a declaration made unreadable after it
// was echoed was carried into the next stream as "Declare ... "uniform "".
TEST(CarriedDeclarations, AnUnreadableDeclarationIsNotCarried) {
    const std::string first = makeTempPath();
    const std::string second = makeTempPath();
    const ChildResult child = runChild([&] {
        RtFloat kd = 0.5f;
        RiBegin(first.c_str());
        RiDeclare("cd_spoilt", "uniform float");
        RiDeclare("cd_spoilt", "uniform flot");
        RiEnd();
        RiBegin(second.c_str());
        RiSurface("plastic", "cd_spoilt", &kd, RI_NULL);
        RiEnd();
    });
    EXPECT_EQ(child.status, 0);
    EXPECT_EQ(child.standardError, "quillet error: bad declaration \"uniform flot\" for \"cd_spoilt\"\n");
    EXPECT_EQ(readFile(first), wholeStream("Declare \"cd_spoilt\" \"uniform float\"\n"));
    EXPECT_EQ(readFile(second), wholeStream("Surface \"plastic\"\n"));
    for (const std::string &path : {first, second}) std::remove(path.c_str());
}

}  // namespace
