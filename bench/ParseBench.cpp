// Parser benchmark: ribcat converting and checking a 2,000,000-triangle
// PointsPolygons stream (P, N, st on a 1000x1000 grid), against the time the
// library takes to write that stream from memory. ribcat runs as its own
// process, so its peak resident size is measured alone.
//
//   parse_bench [--reps N] [RIBCAT]    RIBCAT: default, ribcat beside this program
//   parse_bench --write FILE E         only write the stream to FILE in
//                                      encoding E (ascii or binary): for profiling
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "bench/ChildRuns.h"
#include "bench/TriangleMesh.h"
#include "quillet/ri.h"

namespace {

const char kSink[] = "/dev/null";
const double kTimeGoal = 3.0;  // times the library's write
const long kMemoryGoalMB = 200;

long fileMB(const char *path) {
    FILE *f = std::fopen(path, "rb");
    if (!f) return 0;
    std::fseek(f, 0, SEEK_END);
    long size = std::ftell(f);
    std::fclose(f);
    return size / 1000000;
}

}  // namespace

int main(int argc, char **argv) {
    int reps = 3;
    std::string ribcat;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--write") == 0 && i + 2 < argc) {
            TriangleMesh().write(argv[i + 1], std::strcmp(argv[i + 2], "binary") == 0);
            return 0;
        }
        if (std::strcmp(argv[i], "--reps") == 0 && i + 1 < argc)
            reps = std::max(1, std::atoi(argv[++i]));
        else
            ribcat = argv[i];
    }
    if (ribcat.empty()) {
        std::string self = argv[0];
        size_t slash = self.rfind('/');
        ribcat = (slash == std::string::npos ? std::string(".") : self.substr(0, slash)) + "/ribcat";
    }
    TriangleMesh mesh;
    std::printf("PointsPolygons, %zu triangles (P, N, st); processor seconds, best of %d runs\n\n",
                mesh.nvertices.size(), reps);
    std::printf("%-8s %6s %10s | %-22s %8s %9s %8s\n", "stream", "MB", "write s", "ribcat", "s", "x write", "peak MB");
    bool met = true;
    for (bool binary : {false, true}) {
        char path[] = "/tmp/parse_bench-XXXXXX";
        const int fd = mkstemp(path);
        if (fd >= 0) close(fd);
        mesh.write(path, binary);
        const double write = bestSeconds(reps, [&] { mesh.write(kSink, binary); });
        const struct {
            const char *label;
            std::vector<std::string> command;
        } runs[] = {
            {binary ? "--binary (to binary)" : "(to ASCII)",
             binary ? std::vector<std::string>{ribcat, "--binary", path} : std::vector<std::string>{ribcat, path}},
            {"--check", {ribcat, "--check", path}},
        };
        for (const auto &run : runs) {
            const ChildRun best = bestChildRun(reps, run.command);
            const double ratio = best.seconds / write;
            met = met && ratio <= kTimeGoal && best.peakMB <= kMemoryGoalMB && best.status == 0;
            std::printf("%-8s %6ld %10.2f | %-22s %8.2f %8.1fx %8ld%s\n", binary ? "binary" : "ascii", fileMB(path),
                        write, run.label, best.seconds, ratio, best.peakMB, best.status == 0 ? "" : "  (failed)");
        }
        std::remove(path);
    }
    std::printf("\nTargets: ribcat at most %.0fx the library's write, at most %ld MB: %s\n", kTimeGoal, kMemoryGoalMB,
                met ? "met" : "NOT met");
    return 0;
}
