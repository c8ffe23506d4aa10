// Both ways write the same 256 MB in pieces of the output buffer's size and
// include the close (a pipe's close waits for its reader).
#include "bench/TargetWrites.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "rib/OutputBuffer.h"

namespace {

const size_t kPiece = quillet::OutputBuffer::kSize;
const size_t kPieces = 1024;
const char kPipeCommand[] = "cat > /dev/null";

struct Target {
    const char *label;
    FILE *(*open)(const char *path);
    int (*close)(FILE *stream);
};

FILE *openFile(const char *path) {
    return std::fopen(path, "wb");
}
FILE *openPipe(const char *) {
    return popen(kPipeCommand, "w");
}

void throughDescriptor(FILE *stream, const std::vector<char> &piece) {
    for (size_t i = 0; i < kPieces; ++i) {
        size_t done = 0;
        while (done < piece.size()) {
            const ssize_t n = write(fileno(stream), piece.data() + done, piece.size() - done);
            if (n <= 0) return;
            done += size_t(n);
        }
    }
}

void throughStdio(FILE *stream, const std::vector<char> &piece) {
    static std::vector<char> buffer(kPiece);
    std::setvbuf(stream, buffer.data(), _IOFBF, buffer.size());
    for (size_t i = 0; i < kPieces; ++i) std::fwrite(piece.data(), 1, piece.size(), stream);
}

double bestMegabytesPerSecond(const Target &target, const char *path, int reps,
                              void (*way)(FILE *, const std::vector<char> &)) {
    const std::vector<char> piece(kPiece, 'x');
    double best = 0;
    for (int r = 0; r < reps; ++r) {
        const auto start = std::chrono::steady_clock::now();
        FILE *stream = target.open(path);
        if (!stream) return 0;
        way(stream, piece);
        target.close(stream);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        best = std::max(best, double(kPiece * kPieces) / 1e6 / elapsed.count());
    }
    return best;
}

}  // namespace

int runTargetWrites(int reps) {
    char path[] = "/tmp/stream_bench-XXXXXX";
    const int fd = mkstemp(path);
    if (fd >= 0) close(fd);
    const Target targets[] = {{"file", openFile, std::fclose}, {"pipe into cat", openPipe, pclose}};
    std::printf("%zu MB in %zu KB pieces, best of %d: MB/s\n", kPiece * kPieces >> 20, kPiece >> 10, reps);
    std::printf("%-16s %10s %10s\n", "target", "write(2)", "stdio");
    for (const Target &target : targets) {
        const double direct = bestMegabytesPerSecond(target, path, reps, throughDescriptor);
        const double stdio = bestMegabytesPerSecond(target, path, reps, throughStdio);
        std::printf("%-16s %10.0f %10.0f\n", target.label, direct, stdio);
    }
    std::remove(path);
    return 0;
}
