// Helpers for the tools' tests: scratch directories, running the built
// programs, and RIB streams written by the library.
#ifndef QUILLET_TESTS_TOOLSSUPPORT_H
#define QUILLET_TESTS_TOOLSSUPPORT_H

#include <ostream>
#include <string>
#include <vector>

#include "tests/support/EveryRequestScene.h"
#include "tests/support/Files.h"

using quillet_test::readFile;
using quillet_test::ScratchDir;
using quillet_test::writeFile;

struct RunResult {
    int status = -1;
    std::string out, err;
};
// Tests compare a whole run at once: exit status, standard output and error.
bool operator==(const RunResult &a, const RunResult &b);
void PrintTo(const RunResult &run, std::ostream *os);

// The directory of the built programs (QUILLET_BIN).
std::string programDir();
bool programExists(const std::string &name);
// Runs "<bin>/<program> <arguments>" in dir with input on its standard input.
RunResult runProgram(const std::string &program, const std::string &arguments, const std::string &input,
                     const std::string &dir);

// The stream that the library writes for scene(), ASCII or binary.
std::string libraryStream(void (*scene)(), bool binary);

struct Picture {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;
    const unsigned char *at(int x, int y) const { return &rgb[(size_t(y) * size_t(width) + size_t(x)) * 3]; }
};
// False when the file is not an 8-bit RGB PNG.
bool readPicture(const std::string &path, Picture &picture);

#endif
