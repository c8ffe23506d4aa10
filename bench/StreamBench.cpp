// Stream benchmark: each case written into /dev/null in ASCII and in binary,
// against the reference method and the memcpy limit on the same bytes.
//
//   stream_bench            the table (best of 5 runs per figure, in processor
//                           time: on a shared machine the wall clock also
//                           counts the other processes' turns); cases of float
//                           data get a second row for their float arrays alone

//   stream_bench --reps N   best of N runs
//   stream_bench --rss      peak resident size around a 10,000,000-point request
//   stream_bench --targets  write(2) against stdio for file and pipe targets
//   stream_bench --only I E only the library's run of case I (0-4), encoding
//                           E (ascii or binary), 10 times: for profiling
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench/Anchors.h"
#include "bench/BenchCases.h"
#include "bench/ChildRuns.h"
#include "quillet/ri.h"
#include "bench/TargetWrites.h"
#include "format/FloatFormat.h"
#include "rib/OutputBuffer.h"
#include "rib/StreamOptions.h"
#include "rib/StreamTarget.h"
#include "rib/ValueEncoding.h"

using namespace quillet;

namespace {

const char kSink[] = "/dev/null";

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

// The figures of one row: the library against the two anchors on its bytes.
struct RowResult {
    double speedup;  // reference time / library time
    double ofLimit;  // memcpy time / library time
    double seconds;  // library time
};

template <typename Library>
RowResult measureRow(const char *label, bool binary, const ReferencePlan &plan, int reps, FILE *sink,
                     Library &&library) {
    const size_t bytes = plan.stream.size();
    std::vector<char> limit(bytes);
    std::memset(limit.data(), 1, bytes);
    const double libraryTime = bestSeconds(reps, library);
    const double reference = bestSeconds(reps, [&] {
        writeReference(plan, sink);
        std::fflush(sink);
    });
    const double copy = bestSeconds(reps, [&] { std::memcpy(limit.data(), plan.stream.data(), bytes); });

    const double megabytes = double(bytes) / 1e6;
    const RowResult result{reference / libraryTime, copy / libraryTime, libraryTime};
    std::printf("%-38s %-6s %8.1f %9.0f %11.1f %9.1fx %9.2f\n", label, binary ? "binary" : "ascii", megabytes,
                megabytes / libraryTime, double(plan.numbers) / libraryTime / 1e6, result.speedup, result.ofLimit);
    std::printf("%-38s %-6s %8s %9.0f %11.1f   (%s)\n", "", "", "", megabytes / reference,
                double(plan.numbers) / reference / 1e6, binary ? "fputc per float byte" : "fprintf per value");
    std::printf("%-38s %-6s %8s %9.0f %11.1f   (memcpy)\n", "", "", "", megabytes / copy,
                double(plan.numbers) / copy / 1e6);
    return result;
}

// A case's float arrays alone, encoded as its parameter lists encode them,
// through a stream target and output buffer of their own.
void writeFloatArrays(const std::vector<FloatArray> &arrays, FloatEncoding encoding, const char *path) {
    StreamTarget target;
    RtInt isPipe = 0;
    target.open(path, isPipe);
    {
        OutputBuffer buffer(&target);
        for (const FloatArray &array : arrays) encodeFloatArray(buffer, encoding, array.values, array.count);
        buffer.flush();
    }
    target.end(path);
}

std::string captureFloatArrays(const std::vector<FloatArray> &arrays, FloatEncoding encoding) {
    char path[] = "/tmp/stream_bench-XXXXXX";
    const int fd = mkstemp(path);
    if (fd >= 0) close(fd);
    writeFloatArrays(arrays, encoding, path);
    const std::string bytes = readAll(path);
    std::remove(path);
    return bytes;
}

// "met" or "NOT met" for one goal, with what was measured.
bool reportGoal(const std::string &label, const Goal &goal, const RowResult &result) {
    if (goal.speedup <= 0 && goal.ofLimit <= 0) return true;
    const bool met = result.speedup >= goal.speedup && result.ofLimit >= goal.ofLimit;
    std::printf("  %-34s >= %.0fx", label.c_str(), goal.speedup);
    if (goal.ofLimit > 0) std::printf(" and >= %.2f of memcpy", goal.ofLimit);
    std::printf(": %s (%.1fx, %.2f)\n", met ? "met" : "NOT met", result.speedup, result.ofLimit);
    return met;
}

// "met" or "NOT met" for the shortest text of a case, at least as fast as the
// default text of the same request.
bool reportShortestGoal(const std::string &label, const RowResult &general, const RowResult &shortest) {
    const double ratio = general.seconds / shortest.seconds;
    const bool met = ratio >= 1;
    std::printf("  %-34s >= the default's speed: %s (%.2fx)\n", label.c_str(), met ? "met" : "NOT met", ratio);
    return met;
}

int runTable(int reps) {
    std::vector<BenchCase> cases = makeBenchCases();
    std::printf("%-38s %-6s %8s %9s %11s %10s %9s\n", "case", "enc", "MB", "MB/s", "Mvalues/s", "x ref", "/ memcpy");
    std::vector<std::pair<std::string, std::pair<Goal, RowResult>>> goals;
    std::vector<std::pair<std::string, std::pair<RowResult, RowResult>>> shortestGoals;
    FILE *sink = std::fopen(kSink, "w");
    for (const BenchCase &c : cases) {
        for (bool binary : {false, true}) {
            selectEncoding(binary);
            const RowResult whole = measureRow(c.name.c_str(), binary, planReference(captureCase(c)), reps, sink, [&] {
                for (int i = 0; i < c.repeats; ++i) c.run(kSink);
            });
            goals.push_back({c.name + (binary ? " binary" : " ascii"), {binary ? c.binary : c.ascii, whole}});
            if (c.floatArrays.empty()) continue;
            const FloatEncoding encoding{binary, kDefaultPrecision};
            measureRow("  its float arrays alone", binary, planReference(captureFloatArrays(c.floatArrays, encoding)),
                       reps, sink, [&] { writeFloatArrays(c.floatArrays, encoding, kSink); });
            if (binary) continue;
            // The same in ASCII with the shortest text that reads back exactly.
            RtInt shortest = kShortestPrecision;
            RiOption("rib", "precision", &shortest, RI_NULL);
            const RowResult shortestRow = measureRow("  precision 0 (shortest exact text)", binary,
                                                     planReference(captureCase(c)), reps, sink, [&] {
                                                         for (int i = 0; i < c.repeats; ++i) c.run(kSink);
                                                     });
            shortestGoals.push_back({c.name + " ascii, precision 0", {whole, shortestRow}});
            StreamOptions general = nextStreamOptions();
            general.precision = kDefaultPrecision;
            setNextStreamOptions(general);
            const FloatEncoding exact{false, kShortestPrecision};
            measureRow("  its float arrays alone, precision 0", binary,
                       planReference(captureFloatArrays(c.floatArrays, exact)), reps, sink,
                       [&] { writeFloatArrays(c.floatArrays, exact, kSink); });
        }
    }
    std::fclose(sink);
    selectEncoding(false);
    std::printf("\nx ref: speed over the reference method on the same bytes (fprintf per number in ASCII\n"
                "and for integer text in both encodings, fputc per byte of binary floats); / memcpy:\n"
                "fraction of the speed of one memcpy of the finished bytes. \"its float arrays alone\":\n"
                "the case's float arrays through the same encoder, without the rest of the request\n"
                "(PointsPolygons also writes 5,000,000 integers as text). \"precision 0\": the same with\n"
                "RiOption(\"rib\", \"precision\", 0), the shortest text that reads back exactly.\n\nTargets, whole "
                "requests:\n");
    bool allMet = true;
    for (const auto &g : goals) allMet &= reportGoal(g.first, g.second.first, g.second.second);
    for (const auto &g : shortestGoals) allMet &= reportShortestGoal(g.first, g.second.first, g.second.second);
    std::printf("All targets: %s\n", allMet ? "met" : "NOT met");
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
    int reps = 5;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--reps") == 0) reps = std::max(1, std::atoi(argv[i + 1]));
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--rss") == 0) return runPeakResident();
        if (std::strcmp(argv[i], "--targets") == 0) return runTargetWrites(reps);
        if (std::strcmp(argv[i], "--only") == 0 && i + 2 < argc)
            return runOnly(std::atoi(argv[i + 1]), std::strcmp(argv[i + 2], "binary") == 0);
    }
    return runTable(reps);
}
