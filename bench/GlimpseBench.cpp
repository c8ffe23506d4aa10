// Previewer benchmark: the library writes a stream into a file, then glimpse
// renders it; each row gives both times (best of 3), their ratio and
// glimpse's peak resident size.
//
//   glimpse_bench [GLIMPSE]     GLIMPSE: the program (default: beside this one)
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "BenchCases.h"
#include "Lathe.h"
#include "ri/ri.h"

namespace {

const int kRuns = 3;
const char kHeader[] = "| stream | file MB | library writes it | glimpse renders it | ratio | glimpse peak RSS |\n"
                       "|---|---:|---:|---:|---:|---:|\n";
const char kRow[] = "| %s | %.1f | %.3f s | %.3f s | %.1fx | %.0f MB |\n";

double seconds(const std::function<void()> &body) {
    double best = 1e30;
    for (int r = 0; r < kRuns; ++r) {
        auto start = std::chrono::steady_clock::now();
        body();
        std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        best = std::min(best, elapsed.count());
    }
    return best;
}

// Runs glimpse on the file; returns its peak resident size in MB, or -1.
double runGlimpse(const std::string &program, const std::string &file) {
    std::fflush(stdout);
    pid_t child = fork();
    if (child == 0) {
        if (!std::freopen("/dev/null", "w", stdout)) _exit(126);
        execl(program.c_str(), program.c_str(), file.c_str(), "-o", "/dev/null", static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    struct rusage usage {};
    if (child < 0 || wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return usage.ru_maxrss / 1024.0;
}

void row(const char *name, const std::string &program, const std::function<void(const char *)> &write) {
    const std::string file = "glimpse_bench.rib";
    double writing = seconds([&] { write(file.c_str()); });
    double peak = 0;
    double rendering = seconds([&] { peak = std::max(peak, runGlimpse(program, file)); });
    struct stat info {};
    double megabytes = stat(file.c_str(), &info) == 0 ? info.st_size / 1e6 : 0;
    std::remove(file.c_str());
    if (peak < 0) {
        std::fprintf(stderr, "glimpse_bench: %s failed on %s\n", program.c_str(), name);
        std::exit(1);
    }
    std::printf(kRow, name, megabytes, writing, rendering, rendering / writing, peak);
}

}  // namespace

int main(int argc, char **argv) {
    std::string self = argv[0];
    std::string program = argc > 1 ? argv[1] : self.substr(0, self.find_last_of('/') + 1) + "glimpse";
    std::fputs(kHeader, stdout);
    row("PointsPolygons 1000x1000 (P, N, st), 320x240", program, framedGridWriter());
    row("lathe scene, 640x480", program, [](const char *target) {
        RiBegin(target);
        describeLatheScene();
        RiEnd();
    });
    return 0;
}
