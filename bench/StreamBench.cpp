// Stream benchmark: each case written into /dev/null in ASCII and in binary,
// against the reference method and the memcpy limit on the same bytes.
//
//   stream_bench            the table (best of 3 runs per figure); cases of
//                           float data get a second row for their float
//                           arrays alone

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
#include "rib/ChunkBuffer.h"
#include "rib/ValueEncoding.h"

using namespace quillet;

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

// The figures of one row: the library against the two anchors on its bytes.
struct RowResult {
    double speedup;  // reference time / library time
    double ofLimit;  // memcpy time / library time
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
    const RowResult result{reference / libraryTime, copy / libraryTime};
    std::printf("%-38s %-6s %8.1f %9.0f %11.1f %9.1fx %9.2f\n", label, binary ? "binary" : "ascii", megabytes,
                megabytes / libraryTime, double(plan.numbers) / libraryTime / 1e6, result.speedup, result.ofLimit);
    std::printf("%-38s %-6s %8s %9.0f %11.1f   (%s)\n", "", "", "", megabytes / reference,
                double(plan.numbers) / reference / 1e6, binary ? "fputc per float byte" : "fprintf per value");
    std::printf("%-38s %-6s %8s %9.0f %11.1f   (memcpy)\n", "", "", "", megabytes / copy,
                double(plan.numbers) / copy / 1e6);
    return result;
}

// A case's float arrays alone, encoded as its parameter lists encode them.
void writeFloatArrays(const std::vector<FloatArray> &arrays, bool binary, FILE *sink) {
    {
        ChunkBuffer buffer(sink);
        for (const FloatArray &array : arrays) encodeFloatArray(buffer, binary, array.values, array.count);
    }
    std::fflush(sink);
}

std::string captureFloatArrays(const std::vector<FloatArray> &arrays, bool binary) {
    char *data = nullptr;
    size_t size = 0;
    FILE *memory = open_memstream(&data, &size);
    if (!memory) return std::string();
    writeFloatArrays(arrays, binary, memory);
    std::fclose(memory);
    std::string bytes(data, size);
    std::free(data);
    return bytes;
}

int runTable(int reps) {
    std::vector<BenchCase> cases = makeBenchCases();
    std::printf("%-38s %-6s %8s %9s %11s %10s %9s\n", "case", "enc", "MB", "MB/s", "Mvalues/s", "x ref", "/ memcpy");
    bool targetsMet = true;
    FILE *sink = std::fopen(kSink, "w");
    for (const BenchCase &c : cases) {
        for (bool binary : {false, true}) {
            selectEncoding(binary);
            const RowResult whole = measureRow(c.name.c_str(), binary, planReference(captureCase(c)), reps, sink, [&] {
                for (int i = 0; i < c.repeats; ++i) c.run(kSink);
            });
            if (c.floatArrays.empty()) continue;
            const std::string label = "  its float arrays alone";
            const RowResult floats =
                measureRow(label.c_str(), binary, planReference(captureFloatArrays(c.floatArrays, binary)), reps, sink,
                           [&] { writeFloatArrays(c.floatArrays, binary, sink); });
            // Targets hold for the float data: the arrays alone, and the
            // whole request where the request is nothing but float arrays.
            const bool onlyFloats = c.name.find("PointsPolygons") == std::string::npos;
            for (const RowResult &r :
                 onlyFloats ? std::vector<RowResult>{whole, floats} : std::vector<RowResult>{floats})
                targetsMet &= binary ? (r.speedup >= 10 && r.ofLimit >= 0.25) : r.speedup >= 4;
        }
    }
    std::fclose(sink);
    selectEncoding(false);
    std::printf("\nx ref: speed over the reference method on the same bytes (fprintf per number in ASCII\n"
                "and for integer text in both encodings, fputc per byte of binary floats); / memcpy:\n"
                "fraction of the speed of one memcpy of the finished bytes. \"its float arrays alone\":\n"
                "the case's float arrays through the same encoder, without the rest of the request\n"
                "(PointsPolygons also writes 5,000,000 integers as text). Float-data targets (ASCII >= 4x,\n"
                "binary >= 10x and >= 0.25, on Points and on the float arrays alone): %s\n",
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
