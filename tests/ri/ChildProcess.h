// Runs a piece of test code in a forked child and captures what it leaves
// behind: its exit status and everything it wrote to standard error. Used for
// reports that end the process and for the reporter's process-wide memory.
#ifndef QUILLET_TESTS_CHILDPROCESS_H
#define QUILLET_TESTS_CHILDPROCESS_H

#include <functional>
#include <string>

struct ChildOutcome {
    int status;  // exit status, or 128 + signal number
    std::string standardError;
};

// The child runs body and exits with its result (unless body ends it first).
ChildOutcome runInChild(const std::function<int()> &body);

#endif
