// Previewer benchmark: the library writes a stream into a file, then glimpse
// renders it as a program of its own. Each row gives the library's time to
// write the stream and glimpse's time to render it (processor seconds, best
// of 3; glimpse's count both its threads, and its elapsed time is given
// beside them), their ratio and glimpse's peak resident size.
//
//   glimpse_bench [GLIMPSE]     GLIMPSE: the program (default: beside this one)
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>

#include "bench/BenchCases.h"
#include "bench/ChildRuns.h"
#include "app/Lathe.h"
#include "quillet/ri.h"

namespace {

const int kReps = 3;
const double kTimeGoal = 8.0;  // times the library's write, for the mesh
const long kMemoryGoalMB = 400;
const char kHeader[] = "| stream | library writes it | glimpse renders it | elapsed | ratio | glimpse peak |\n"
                       "|---|---:|---:|---:|---:|---:|\n";
const char kRow[] = "| %s | %.2f s | %.2f s | %.2f s | %s | %ld MB |\n";

ChildRun row(const char *name, const std::string &program, const std::function<void(const char *)> &write,
             double &writeSeconds) {
    char path[] = "/tmp/glimpse_bench-XXXXXX";
    const int fd = mkstemp(path);
    if (fd >= 0) close(fd);
    writeSeconds = bestSeconds(kReps, [&] { write(path); });
    ChildRun run = bestChildRun(kReps, {program, path, "-o", "/dev/null"});
    std::remove(path);
    // A ratio to a write that takes well under a millisecond says nothing.
    char ratio[32] = "-";
    if (writeSeconds >= 0.01) std::snprintf(ratio, sizeof ratio, "%.1fx", run.seconds / writeSeconds);
    std::printf(kRow, name, writeSeconds, run.seconds, run.wallSeconds, ratio, run.peakMB);
    if (run.status != 0) std::printf("(%s failed with status %d)\n", program.c_str(), run.status);
    return run;
}

}  // namespace

int main(int argc, char **argv) {
    std::string self = argv[0];
    size_t slash = self.rfind('/');
    std::string program = argc > 1 ? argv[1] : (slash == std::string::npos ? "." : self.substr(0, slash)) + "/glimpse";
    std::fputs(kHeader, stdout);
    double write = 0, latheWrite = 0;
    ChildRun mesh =
        row("PointsPolygons 1000x1000 (P, N, st; 1,996,002 triangles), 320x240", program, framedGridWriter(), write);
    row(
        "lathe scene, 640x480", program,
        [](const char *target) {
            RiBegin(target);
            describeLatheScene();
            RiEnd();
        },
        latheWrite);
    bool met = mesh.status == 0 && mesh.seconds <= kTimeGoal * write && mesh.peakMB <= kMemoryGoalMB;
    std::printf("\nTargets for the mesh: glimpse at most %.0fx the library's write, at most %ld MB: %s\n", kTimeGoal,
                kMemoryGoalMB, met ? "met" : "NOT met");
    return 0;
}
