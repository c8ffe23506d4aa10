// Threads benchmark: 8 archives of the 2,000,000-triangle mesh (one
// PointsPolygons request with P, N and st each), written by 1 and by 2
// threads that each take the next archive until all are written; the wall
// clock from the first archive's start to the last one's end, best of N.
// Two ways of writing: explicit streams (quillet::openStream, current for no
// thread) and the C interface, with each thread calling RiBegin. Two kinds of
// target: files in a fresh directory (what a host writes; each run's files
// are removed after it, outside the time) and /dev/null (the writing alone).
// Beside the 2-thread time, the cores it kept busy (processor time over wall
// time): near 2 the threads ran side by side; on a loaded machine they wait
// for a core, and the speed-up says little.
//
//   threads_bench [--reps N] [--binary]    default: 3 runs, ASCII
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "bench/ChildRuns.h"
#include "bench/TriangleMesh.h"
#include "quillet/RibWriter.h"

namespace {

const int kArchives = 8;
const char kNullTarget[] = "/dev/null";

// Writes archive number i (0 to kArchives - 1).
using ArchiveWriter = std::function<void(int i)>;

struct Timing {
    double wall = 1e30;  // seconds
    double cores = 0;    // processor seconds over wall seconds
};

// The time for threads threads to write every archive between them.
Timing writeArchives(int threads, const ArchiveWriter &write) {
    std::atomic<int> next{0};
    auto work = [&] {
        for (int i = next++; i < kArchives; i = next++) write(i);
    };
    const auto start = std::chrono::steady_clock::now();
    const double processorStart = processorSeconds();
    std::vector<std::thread> others;
    for (int t = 1; t < threads; ++t) others.emplace_back(work);
    work();
    for (std::thread &other : others) other.join();
    Timing timing;
    timing.wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    timing.cores = (processorSeconds() - processorStart) / timing.wall;
    return timing;
}

struct Target {
    const char *label;
    bool files;
};

struct Way {
    const char *label;
    // Writes the mesh as one stream into name.
    std::function<void(const TriangleMesh &mesh, const char *name, bool binary)> write;
};

}  // namespace

int main(int argc, char **argv) {
    int reps = 3;
    bool binary = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--reps") == 0 && i + 1 < argc)
            reps = std::max(1, std::atoi(argv[++i]));
        else if (std::strcmp(argv[i], "--binary") == 0)
            binary = true;
    }
    char folder[] = "/tmp/threads_bench-XXXXXX";
    if (!mkdtemp(folder)) {
        std::perror("threads_bench: mkdtemp");
        return 1;
    }
    const TriangleMesh mesh;
    const Way ways[] = {
        {"openStream",
         [](const TriangleMesh &m, const char *name, bool b) {
             quillet::StreamOptions options;
             options.binary = b;
             std::unique_ptr<quillet::RenderContext> rib = quillet::openStream(name, options);
             if (rib) m.write(*rib);
         }},
        {"RiBegin", [](const TriangleMesh &m, const char *name, bool b) { m.write(name, b); }},
    };
    const Target targets[] = {{"files", true}, {kNullTarget, false}};
    std::printf("%d archives of PointsPolygons, %zu triangles (P, N, st), %s; wall seconds, best of %d runs\n",
                kArchives, mesh.nvertices.size(), binary ? "binary" : "ASCII", reps);
    std::printf("%-12s %-10s %10s %10s %9s %12s\n", "way", "target", "1 thread", "2 threads", "speed-up", "cores busy");
    for (const Target &target : targets) {
        for (const Way &way : ways) {
            auto nameOf = [&](int i) {
                return target.files ? std::string(folder) + "/archive" + std::to_string(i) + ".rib"
                                    : std::string(kNullTarget);
            };
            Timing best[3];
            // Alternating the thread counts run by run spreads the machine's
            // other load over both.
            for (int r = 0; r < reps; ++r)
                for (int threads : {1, 2}) {
                    const Timing timing =
                        writeArchives(threads, [&](int i) { way.write(mesh, nameOf(i).c_str(), binary); });
                    if (timing.wall < best[threads].wall) best[threads] = timing;
                    if (target.files)
                        for (int i = 0; i < kArchives; ++i) std::remove(nameOf(i).c_str());
                }
            std::printf("%-12s %-10s %10.3f %10.3f %8.2fx %12.2f\n", way.label, target.label, best[1].wall,
                        best[2].wall, best[1].wall / best[2].wall, best[2].cores);
            std::fflush(stdout);
        }
    }
    rmdir(folder);
    return 0;
}
