// Children write their output to temporary files, read back once they end.
#include "tests/support/ChildProcess.h"

#include <fcntl.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "tests/support/Files.h"

namespace quillet_test {

namespace {

int statusOf(int raw) {
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
}

// Runs child() in a fork with standard output and error sent to files.
ChildResult collect(const std::function<void(const std::string &)> &child, const std::string &input) {
    ScratchDir io;
    writeFile(io.file("in"), input);
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid < 0) std::abort();
    if (pid == 0) {
        const int in = open(io.file("in").c_str(), O_RDONLY);
        const int out = open(io.file("out").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int err = open(io.file("err").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(in, STDIN_FILENO);
        dup2(out, STDOUT_FILENO);
        dup2(err, STDERR_FILENO);
        close(in);
        close(out);
        close(err);
        child(io.path());
        _exit(127);
    }
    int raw = 0;
    waitpid(pid, &raw, 0);
    return ChildResult{statusOf(raw), readFile(io.file("out")), readFile(io.file("err"))};
}

}  // namespace

ChildResult runInChild(const std::function<int()> &body, ChildEnd end) {
    return collect(
        [&](const std::string &) {
            const int result = body();
            if (end == ChildEnd::Exit) std::exit(result);
            std::fflush(nullptr);
            _exit(result);
        },
        "");
}

ChildResult runChild(const std::function<void()> &body) {
    return runInChild(
        [&] {
            body();
            return 0;
        },
        ChildEnd::Exit);
}

ChildResult runCommand(const std::string &command, const std::string &input) {
    return collect(
        [&](const std::string &) { execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char *>(nullptr)); },
        input);
}

ChildResult runOnTerminal(const std::string &command, const std::string &typed) {
    std::fflush(nullptr);
    int terminal = -1;
    const pid_t pid = forkpty(&terminal, nullptr, nullptr, nullptr);
    if (pid < 0) std::abort();
    if (pid == 0) {
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char *>(nullptr));
        _exit(127);
    }
    if (write(terminal, typed.data(), typed.size()) != static_cast<ssize_t>(typed.size())) std::abort();
    // The terminal reads as ended (EIO) once the command and its children
    // have closed it.
    std::string shown;
    char buffer[4096];
    for (;;) {
        const ssize_t n = read(terminal, buffer, sizeof buffer);
        if (n > 0) {
            shown.append(buffer, static_cast<size_t>(n));
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        break;
    }
    close(terminal);
    int raw = 0;
    waitpid(pid, &raw, 0);
    return ChildResult{statusOf(raw), shown, std::string()};
}

}  // namespace quillet_test
