#include "tests/decl/TestSupport.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

#include "tests/support/ChildProcess.h"

namespace {
const char kFreshVariable[] = "QUILLET_DECL_FRESH_PROCESS";
}

std::string captureStream(const std::function<void(FILE *)> &write) {
    FILE *stream = std::tmpfile();
    if (!stream) return "<no temporary file>";
    write(stream);
    std::fflush(stream);
    std::rewind(stream);
    std::string text;
    int c;
    while ((c = std::fgetc(stream)) != EOF) text += static_cast<char>(c);
    std::fclose(stream);
    return text;
}

std::string tempPath(const char *name) {
    return "/tmp/quillet-decl-" + std::to_string(getpid()) + "-" + name;
}

bool inFreshProcess() {
    return std::getenv(kFreshVariable) != nullptr;
}

void runCurrentTestFresh() {
    const testing::TestInfo *test = testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    char self[4096];
    ssize_t length = readlink("/proc/self/exe", self, sizeof self - 1);
    ASSERT_GT(length, 0);
    self[length] = '\0';
    std::string command = std::string(kFreshVariable) + "=1 '" + self + "' --gtest_filter=" + name + " 2>&1";
    const quillet_test::ChildResult child = quillet_test::runCommand(command);
    EXPECT_EQ(child.status, 0) << child.standardOutput;
    EXPECT_NE(child.standardOutput.find("[  PASSED  ] 1 test"), std::string::npos) << child.standardOutput;
}
