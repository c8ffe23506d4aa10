// Stream benchmark: each case written into /dev/null in ASCII and in binary,
// against the reference method and the memcpy limit on the same bytes.
//
//   stream_bench            the table (best of 3 runs per figure)
//   stream_bench --reps N   best of N runs
//   stream_bench --rss      peak resident size around a 10,000,000-point request
//   stream_bench --only I E only the library's run of case I (0-3), encoding
//                           E (ascii or binary), 10 times: for profiling
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Anchors.h"
#include "BenchCases.h"
#include "ri/ri.h"

namespace {

const char kSink[] = "/dev/null";

template <typename F>
double bestSeconds(int reps, F &&body) {
    double best = 1e30;
    for (int r = 0; r < reps; ++r) {
        const auto start = std::chrono::steady_clock::now();
        body();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        best = std::min(best, elapsed.count());
    }
    return best;
}

void selectEncoding(bool binary) {
    const char *format = binary ? "binary" : "ascii";
    RiOption("rib", "format", &format, RI_NULL);
}

std::string readAll(const char *path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The bytes that one measurement writes: the case's stream, repeats times.
std::string captureCase(const BenchCase &c) {
    char path[] = "/tmp/stream_bench-XXXXXX";
    const int fd = mkstemp(path);
    if (fd >= 0) close(fd);
    c.run(path);
    const std::string one = readAll(path);
    std::remove(path);
    std::string all;
    all.reserve(one.size() * size_t(c.repeats));
    for (int i = 0; i < c.repeats; ++i) all += one;
    return all;
}

long peakResidentKilobytes() {
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

int runTable(int reps) {
    std::vector<BenchCase> cases = makeBenchCases();
    std::printf("%-38s %-6s %8s %9s %11s %10s %9s\n", "case", "enc", "MB", "MB/s", "Mvalues/s",
                "x ref", "/ memcpy");
    bool targetsMet = true;
    FILE *sink = std::fopen(kSink, "w");
    for (const BenchCase &c : cases) {
        for (bool binary : {false, true}) {
            selectEncoding(binary);
            const ReferencePlan plan = planReference(captureCase(c));
            const size_t bytes = plan.stream.size();
            std::vector<char> limit(bytes);
            std::memset(limit.data(), 1, bytes);

            const double library = bestSeconds(reps, [&] {
                for (int i = 0; i < c.repeats; ++i) c.run(kSink);
            });
            const double reference = bestSeconds(reps, [&] {
                writeReference(plan, sink);
                std::fflush(sink);
            });
            const double copy = bestSeconds(reps, [&] { std::memcpy(limit.data(), plan.stream.data(), bytes); });

            const double megabytes = double(bytes) / 1e6;
            const double speedup = reference / library;
            const double ofLimit = copy / library;
            std::printf("%-38s %-6s %8.1f %9.0f %11.1f %9.1fx %9.2f\n", c.name.c_str(),
                        binary ? "binary" : "ascii", megabytes, megabytes / library,
                        double(plan.numbers) / library / 1e6, speedup, ofLimit);
            std::printf("%-38s %-6s %8s %9.0f %11.1f   (%s)\n", "", "", "", megabytes / reference,
                        double(plan.numbers) / reference / 1e6, binary ? "fputc per byte" : "fprintf per value");
            std::printf("%-38s %-6s %8s %9.0f %11.1f   (memcpy)\n", "", "", "", megabytes / copy,
                        double(plan.numbers) / copy / 1e6);
            // Targets hold for the float-data cases.
            const bool floatData = c.repeats == 1 && c.name.find("small") == std::string::npos;
            if (floatData) targetsMet &= binary ? (speedup >= 10 && ofLimit >= 0.25) : speedup >= 4;
        }
    }
    std::fclose(sink);
    selectEncoding(false);
    std::printf("\nx ref: speed over the reference method on the same bytes (fprintf per value in ASCII,\n"
                "fputc per byte of binary floats); / memcpy: fraction of the speed of one memcpy of the\n"
                "finished bytes. Float-data targets (ASCII >= 4x, binary >= 10x and >= 0.25): %s\n",
                targetsMet ? "met" : "NOT met");
    return 0;
}

int runPeakResident() {
    const int kPoints = 10000000;
    for (bool binary : {false, true}) {
        selectEncoding(binary);
        std::printf("%s: ", binary ? "binary" : "ascii ");
        std::fflush(stdout);
        // The caller's arrays (160 MB) are allocated and filled inside.
        writePointsStream(kSink, kPoints);
        std::printf("peak resident after a %d-point request: %ld MB (the caller's arrays: %ld MB)\n", kPoints,
                    peakResidentKilobytes() / 1024, long(kPoints) * 16 / (1024 * 1024));
    }
    selectEncoding(false);
    return 0;
}

int runOnly(int index, bool binary) {
    std::vector<BenchCase> cases = makeBenchCases();
    if (index < 0 || index >= int(cases.size())) return 2;
    selectEncoding(binary);
    const BenchCase &c = cases[size_t(index)];
    const double seconds = bestSeconds(10, [&] {
        for (int i = 0; i < c.repeats; ++i) c.run(kSink);
    });
    std::printf("%s %s: best %.2f ms\n", c.name.c_str(), binary ? "binary" : "ascii", seconds * 1e3);
    return 0;
}

}  // namespace

int main(int argc, char **argv) {
    int reps = 3;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--rss") == 0) return runPeakResident();
        if (std::strcmp(argv[i], "--only") == 0 && i + 2 < argc)
            return runOnly(std::atoi(argv[i + 1]), std::strcmp(argv[i + 2], "binary") == 0);
        if (std::strcmp(argv[i], "--reps") == 0 && i + 1 < argc) reps = std::max(1, std::atoi(argv[++i]));
    }
    return runTable(reps);
}
