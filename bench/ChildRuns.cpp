#include "bench/ChildRuns.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <ctime>
#include <cstdio>

namespace {

double seconds(const struct rusage &usage) {
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

}  // namespace

double processorSeconds() {
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return seconds(usage);
}

double threadProcessorSeconds() {
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

ChildRun runChild(const std::vector<std::string> &command) {
    std::fflush(stdout);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = fork();
    if (pid == 0) {
        if (!std::freopen("/dev/null", "w", stdout)) _exit(126);
        std::vector<char *> argv;
        for (const std::string &word : command) argv.push_back(const_cast<char *>(word.c_str()));
        argv.push_back(nullptr);
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    struct rusage usage {};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid) return {0, 0, 0, -1};
    const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
    return {seconds(usage), wall.count(), usage.ru_maxrss / 1024, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

ChildRun bestChildRun(int reps, const std::vector<std::string> &command) {
    ChildRun best{1e30, 1e30, 0, 0};
    for (int r = 0; r < reps; ++r) {
        ChildRun one = runChild(command);
        best.seconds = std::min(best.seconds, one.seconds);
        best.wallSeconds = std::min(best.wallSeconds, one.wallSeconds);
        best.peakMB = std::max(best.peakMB, one.peakMB);
        if (one.status != 0) best.status = one.status;
    }
    return best;
}
