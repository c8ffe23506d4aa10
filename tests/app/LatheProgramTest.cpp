// The lathe program pipes its scene into the glimpse beside it, else the
// first on PATH; with none it says so and opens no pipe.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <string>

#include "tests/support/ChildProcess.h"
#include "tests/support/Files.h"

namespace {

using quillet_test::ChildResult;
using quillet_test::runCommand;
using quillet_test::ScratchDir;

std::string binDir() {
    const char *bin = std::getenv("QUILLET_BIN");
    return bin ? bin : "bin";
}

// A stand-in glimpse that names itself and reports the bytes it was sent.
void writeStandIn(const std::string &path, const std::string &name) {
    quillet_test::writeFile(path, "#!/bin/sh\necho \"" + name + " read $(wc -c) bytes\"\n");
    chmod(path.c_str(), 0755);
}

TEST(LatheProgram, FindsGlimpseBesideItselfThenOnPathElseSaysSo) {
    const struct {
        bool beside, onPath;
        int status;
        const char *out, *err;
    } cases[] = {
        {true, true, 0, "beside read 920 bytes\n", ""},
        {false, true, 0, "on PATH read 920 bytes\n", ""},
        {false, false, 1, "",
         "lathe: glimpse is neither beside lathe nor on PATH: nothing drawn (build glimpse, which needs libpng, or add "
         "its folder to PATH)\n"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.out);
        ScratchDir dir;
        // A quote in the folder's name reaches the shell that runs the pipe.
        const std::string programs = dir.file("it's here"), elsewhere = dir.file("elsewhere");
        mkdir(programs.c_str(), 0755);
        mkdir(elsewhere.c_str(), 0755);
        quillet_test::writeFile(programs + "/lathe", quillet_test::readFile(binDir() + "/lathe"));
        chmod((programs + "/lathe").c_str(), 0755);
        if (c.beside) writeStandIn(programs + "/glimpse", "beside");
        if (c.onPath) writeStandIn(elsewhere + "/glimpse", "on PATH");
        ChildResult run =
            runCommand("cd '" + dir.path() + "' && PATH='" + elsewhere + ":/usr/bin:/bin' \"$PWD/it's here/lathe\"");
        EXPECT_EQ(run.status, c.status);
        EXPECT_EQ(run.standardOutput, c.out);
        EXPECT_EQ(run.standardError, c.err);
    }
}

}  // namespace
