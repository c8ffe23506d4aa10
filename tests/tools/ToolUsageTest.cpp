// What every tool says about its own use: --help lists every option it
// takes, --version, a command line it does not understand named in one line
// with status 2, and a note when it waits for a stream typed at a terminal.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/support/ChildProcess.h"
#include "tests/tools/ToolsSupport.h"

namespace {

struct ToolOptions {
    const char *tool;
    std::vector<const char *> options;  // every option the tool takes
};

const ToolOptions kTools[] = {
    {"ribcat",
     {"--check", "--bound FILE", "--binary", "--gzip", "--gzip-level N", "--indent[=N]", "--precision N",
      "-r, --readarchives", "--archive-path DIRS", "--max-output N", "--max-memory SIZE", "-o FILE", "-h, --help",
      "--version"}},
    {"glimpse",
     {"-o FILE.png", "--no-archives", "--archive-path DIRS", "--max-frames N", "--max-rays N", "--max-tests N",
      "--max-memory SIZE", "-h, --help", "--version"}},
    {"lathe", {"-h, --help", "--version"}},
};

// The option forms of the help's options section, in order.
std::vector<std::string> listedOptions(const std::string &help) {
    std::vector<std::string> forms;
    std::istringstream lines(help.substr(help.find("\noptions:\n") + 10));
    for (std::string line; std::getline(lines, line) && !line.empty();) {
        const size_t end = line.find("  ", 2);
        forms.push_back(line.substr(2, end - 2));
    }
    return forms;
}

class ToolUsage : public ::testing::Test {
protected:
    ScratchDir dir;
};

TEST_F(ToolUsage, HelpListsEveryOptionWithExamplesAndVersionNamesTheRelease) {
    for (const ToolOptions &tool : kTools) {
        SCOPED_TRACE(tool.tool);
        if (!programExists(tool.tool)) continue;
        for (const char *help : {"--help", "-h"}) {
            RunResult run = runProgram(tool.tool, help, "", dir.path());
            EXPECT_EQ(run.status, 0);
            EXPECT_EQ(run.err, "");
            EXPECT_EQ(listedOptions(run.out), std::vector<std::string>(tool.options.begin(), tool.options.end()));
            EXPECT_NE(run.out.find("\nexamples:\n  " + std::string(tool.tool)), std::string::npos);
        }
        RunResult version = runProgram(tool.tool, "--version", "", dir.path());
        EXPECT_EQ(version, (RunResult{0, std::string(tool.tool) + " " + QUILLET_VERSION + "\n", ""}));
    }
}

// Each option of --help is described in the tool's manual page too.
TEST_F(ToolUsage, ManualPagesDescribeEveryOption) {
    for (const ToolOptions &tool : kTools) {
        const std::string page = readFile(std::string(QUILLET_SOURCE_DIR) + "/docs/man/" + tool.tool + ".1");
        ASSERT_FALSE(page.empty()) << tool.tool;
        for (const char *form : tool.options) {
            std::string roff;
            for (const char *c = form; *c && *c != ' ' && *c != ',' && *c != '['; ++c)
                roff += *c == '-' ? "\\-" : std::string(1, *c);
            EXPECT_NE(page.find(roff), std::string::npos) << tool.tool << " " << form;
        }
    }
}

TEST_F(ToolUsage, AMistakenCommandLineIsNamed) {
    const struct {
        const char *tool, *arguments, *error;
    } cases[] = {
        {"ribcat", "--bogus", "ribcat: unknown option \"--bogus\""},
        {"ribcat", "--precision 10", "ribcat: --precision: \"10\" is not a number of digits from 0 to 9"},
        {"ribcat", "--precision", "ribcat: --precision needs a number of digits from 0 to 9"},
        {"ribcat", "--indent=x", "ribcat: --indent: \"x\" is not a number of spaces from 0 to 64"},
        {"ribcat", "-o", "ribcat: -o needs a file name"},
        {"ribcat", "--gzip-level 13", "ribcat: --gzip-level: \"13\" is not a compression level from 0 to 12"},
        {"ribcat", "--gzip-level x", "ribcat: --gzip-level: \"x\" is not a compression level from 0 to 12"},
        {"ribcat", "--archive-path", "ribcat: --archive-path needs a search path"},
        {"glimpse", "-x", "glimpse: unknown option \"-x\""},
        {"glimpse", "a.rib b.rib", "glimpse: unexpected argument \"b.rib\""},
        {"glimpse", "-o", "glimpse: -o needs a file name"},
        {"glimpse", "--max-frames 0", "glimpse: --max-frames: \"0\" is not a whole number from 1 to 1000000"},
        {"glimpse", "--max-rays x", "glimpse: --max-rays: \"x\" is not a whole number above 0"},
        {"glimpse", "--max-tests 1K", "glimpse: --max-tests: \"1K\" is not a whole number above 0"},
        {"glimpse", "--max-memory 1X", "glimpse: --max-memory: \"1X\" is not a size in bytes, or with K, M or G"},
        {"lathe", "--bogus", "lathe: unknown option \"--bogus\""},
        {"lathe", "scene.rib", "lathe: unexpected argument \"scene.rib\""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.tool) + " " + c.arguments);
        if (!programExists(c.tool)) continue;
        RunResult run = runProgram(c.tool, c.arguments, "", dir.path());
        EXPECT_EQ(
            run,
            (RunResult{2, "", std::string(c.error) + " (" + std::string(c.tool) + " --help lists every option)\n"}));
    }
}

// Typed at a terminal, a stream is announced and read to the end of input;
// from a file or a pipe nothing is said.
TEST_F(ToolUsage, AToolWaitingForATerminalSaysSo) {
    for (const char *tool : {"ribcat", "glimpse"}) {
        SCOPED_TRACE(tool);
        if (!programExists(tool)) continue;
        const std::string command = "cd '" + dir.path() + "' && '" + programDir() + "/" + tool + "' >out 2>err";
        quillet_test::ChildResult typed = quillet_test::runOnTerminal(command, "\x04");
        const std::string program(tool);
        EXPECT_EQ(readFile(dir.file("err")), program +
                                                 ": waiting for a RIB stream on standard input (end it with "
                                                 "Ctrl-D, or see " +
                                                 program + " --help)\n");
        RunResult piped = runProgram(tool, "", "", dir.path());
        EXPECT_EQ(piped.status, typed.status);
        EXPECT_EQ(piped.err, "");
    }
}

}  // namespace
