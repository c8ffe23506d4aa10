// Helpers of the declarations tests: an entry that counts its deletions, capturing what a function writes to a
// stdio stream, and running a test alone in a fresh process.
#ifndef QUILLET_TESTS_DECL_TESTSUPPORT_H
#define QUILLET_TESTS_DECL_TESTSUPPORT_H

#include <cstdio>
#include <functional>
#include <string>

#include "quillet/SymbolTable.h"
#include "tests/support/Files.h"

// Everything that write() puts on the stream it is given.
std::string captureStream(const std::function<void(FILE *)> &write);

using quillet_test::readFile;

// A path under /tmp unique to this process and name.
std::string tempPath(const char *name);

// True inside a process started by runCurrentTestFresh.
bool inFreshProcess();

// Runs the current test alone in a new process of this program (which then
// sees the process-wide tables as a fresh start) and expects it to pass.
void runCurrentTestFresh();

// The first line of a test whose checks need a fresh process.
#define RUN_IN_FRESH_PROCESS()                                                                                         \
    do {                                                                                                               \
        if (!inFreshProcess()) {                                                                                       \
            runCurrentTestFresh();                                                                                     \
            return;                                                                                                    \
        }                                                                                                              \
    } while (0)

// A symbol table entry that counts its own deletions in *deleted.
struct CountedEntry : quillet::SymbolEntry {
    CountedEntry(const char *key, int *deleted) : SymbolEntry(key), deleted(deleted) {}
    ~CountedEntry() override { ++*deleted; }
    int *deleted;
};

#endif
