// Running test code in a forked child, or a shell command, and collecting
// what it leaves behind: exit status, standard output and standard error.
#ifndef QUILLET_TESTS_CHILDPROCESS_H
#define QUILLET_TESTS_CHILDPROCESS_H

#include <functional>
#include <string>

namespace quillet_test {

struct ChildResult {
    int status;  // exit status, or 128 + signal number
    std::string standardOutput;
    std::string standardError;
};

// How a child ends once its body returns: QuickExit flushes stdio and leaves
// with _exit (exit handlers do not run), Exit leaves through exit().
enum class ChildEnd { QuickExit, Exit };

// The child runs body and ends with its result (unless body ends it first).
ChildResult runInChild(const std::function<int()> &body, ChildEnd end = ChildEnd::QuickExit);

// The child runs body and ends through exit(0): what exit handlers write is
// part of the result.
ChildResult runChild(const std::function<void()> &body);

// Runs command with /bin/sh, input on its standard input.
ChildResult runCommand(const std::string &command, const std::string &input = "");

// Runs command with /bin/sh on a new terminal (its standard input, output
// and error), typing `typed` there ("\x04" ends the input). standardOutput
// is what the terminal showed; the command redirects what it wants to keep.
ChildResult runOnTerminal(const std::string &command, const std::string &typed);

}  // namespace quillet_test

#endif
