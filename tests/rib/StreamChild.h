// Runs test code in a forked child with its standard output and standard
// error sent to files, and returns its exit status and both texts.
#ifndef QUILLET_TESTS_STREAMCHILD_H
#define QUILLET_TESTS_STREAMCHILD_H

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "rib/StreamCapture.h"

namespace quillet_test {

struct ChildResult {
    int status;  // exit status, or 128 + signal number
    std::string standardOutput;
    std::string standardError;
};

// The child runs body, then exits through exit() (so stdio buffers are
// flushed) with status 0 unless body ended it first.
inline ChildResult runChild(const std::function<void()> &body) {
    const std::string outPath = makeTempPath();
    const std::string errPath = makeTempPath();
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        const int outFd = open(outPath.c_str(), O_WRONLY | O_TRUNC);
        const int errFd = open(errPath.c_str(), O_WRONLY | O_TRUNC);
        dup2(outFd, 1);
        dup2(errFd, 2);
        body();
        std::exit(0);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ChildResult result{WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status), readFile(outPath),
                       readFile(errPath)};
    std::remove(outPath.c_str());
    std::remove(errPath.c_str());
    return result;
}

}  // namespace quillet_test

#endif
