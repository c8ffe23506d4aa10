// The progress line: nothing in the first second or off a terminal, then
// redrawn in place at most five times a second, and cleared at the end.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/support/Files.h"
#include "tools/common/Progress.h"

namespace {

using quillet::tools::Progress;
using Time = std::chrono::steady_clock::time_point;
using std::chrono::milliseconds;

struct Step {
    int atMilliseconds;
    const char *state;  // null: finish
};

// What the steps draw on a terminal (or not), read back whole.
std::string drawn(const std::vector<Step> &steps, bool terminal) {
    quillet_test::ScratchDir dir;
    std::FILE *out = std::fopen(dir.file("terminal").c_str(), "w");
    Time now{};
    {
        Progress progress("ribcat", out, terminal, [&now] { return now; });
        for (const Step &step : steps) {
            now = Time{} + milliseconds(step.atMilliseconds);
            if (step.state)
                progress.update(step.state);
            else
                progress.finish();
        }
    }
    std::fclose(out);
    return quillet_test::readFile(dir.file("terminal"));
}

TEST(Progress, DrawsOnlyOnATerminalAfterASecondAndClearsItsLine) {
    const std::vector<Step> steps = {
        {0, "a: 0.1 MB read"},    {999, "a: 5.0 MB read"}, {1000, "a: 5.1 MB of 9.0 MB read"},
        {1100, "a: 6.0 MB read"}, {1200, "a: 7 MB read"},  {1500, nullptr},
        {1600, nullptr},
    };
    EXPECT_EQ(drawn(steps, true), "\rribcat: a: 5.1 MB of 9.0 MB read"
                                  "\rribcat: a: 7 MB read" +
                                      std::string(12, ' ') + "\r" + std::string(32, ' ') + "\r");
    EXPECT_EQ(drawn(steps, false), "");
    EXPECT_EQ(drawn({{0, "a"}, {900, "b"}, {950, nullptr}}, true), "");
}

TEST(Progress, BytesReadWithAndWithoutATotal) {
    EXPECT_EQ(quillet::tools::bytesRead(12500000, 0), "12.5 MB read");
    EXPECT_EQ(quillet::tools::bytesRead(12500000, 40000000), "12.5 MB of 40.0 MB read");
}

}  // namespace
