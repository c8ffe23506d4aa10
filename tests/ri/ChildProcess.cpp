#include "ChildProcess.h"

#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>

ChildOutcome runInChild(const std::function<int()> &body) {
    std::fflush(nullptr);
    int fds[2];
    if (pipe(fds) != 0) std::abort();
    pid_t pid = fork();
    if (pid < 0) std::abort();
    if (pid == 0) {
        close(fds[0]);
        dup2(fds[1], STDERR_FILENO);
        close(fds[1]);
        int result = body();
        std::fflush(nullptr);
        _exit(result);
    }
    close(fds[1]);
    ChildOutcome outcome{0, {}};
    char buffer[4096];
    ssize_t got;
    while ((got = read(fds[0], buffer, sizeof buffer)) > 0) outcome.standardError.append(buffer, size_t(got));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return outcome;
}
