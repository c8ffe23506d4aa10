// Compressed output benchmark on the 2,000,000-triangle mesh stream, ASCII
// and binary:
//   - the choice of compressor: zlib (levels 1 and 6, one gzip stream) and
//     libdeflate in 1 MB pieces (levels 1, 3 and 6) on the same bytes, on
//     one thread, in processor seconds against the plain write;
//   - the library's own path: the stream written plain to a file and to a
//     ".gz" file (the default level, and "gziplevel" 6), with the ratio and
//     the compressed size;
//   - ribcat rewriting the stream plain and with --gzip, as programs of
//     their own.
// The writes are timed on the wall clock, which the helper threads shorten,
// and in processor seconds of all threads, which they do not.
//
//   gzip_bench [--reps N] [RIBCAT]    RIBCAT: default, ribcat beside this program
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#ifdef QUILLET_HAVE_ZLIB
#include <zlib.h>
#endif

#include "bench/ChildRuns.h"
#include "bench/TriangleMesh.h"
#include "quillet/ri.h"
#include "rib/GzipPieces.h"

namespace {

const double kTimeGoal = 3.0;  // compressed writing, times the plain write
const double kMB = 1e6;

std::string readWhole(const char *path) {
    std::string bytes;
    FILE *f = std::fopen(path, "rb");
    if (!f) return bytes;
    char buffer[1 << 16];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
    std::fclose(f);
    return bytes;
}

long fileSize(const char *path) {
    FILE *f = std::fopen(path, "rb");
    if (!f) return 0;
    std::fseek(f, 0, SEEK_END);
    const long size = std::ftell(f);
    std::fclose(f);
    return size;
}

#ifdef QUILLET_HAVE_ZLIB
// The whole stream as one gzip stream at level; its size.
size_t zlibSize(const std::string &bytes, int level) {
    z_stream z;
    std::memset(&z, 0, sizeof z);
    deflateInit2(&z, level, Z_DEFLATED, 16 + MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    std::vector<unsigned char> out(1 << 20);
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(bytes.data()));
    z.avail_in = static_cast<uInt>(bytes.size());
    size_t total = 0;
    int status;
    do {
        z.next_out = out.data();
        z.avail_out = static_cast<uInt>(out.size());
        status = deflate(&z, Z_FINISH);
        total += out.size() - z.avail_out;
    } while (status == Z_OK);
    deflateEnd(&z);
    return total;
}
#endif

size_t piecesSize(const std::string &bytes, int level) {
    size_t total = 0;
    quillet::GzipPieces pieces(
        level,
        [&total](const char *, size_t n) {
            total += n;
            return true;
        },
        0);
    pieces.write(bytes.data(), bytes.size());
    pieces.finish();
    return total;
}

}  // namespace

int main(int argc, char **argv) {
    int reps = 3;
    std::string ribcat;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--reps") == 0 && i + 1 < argc)
            reps = std::max(1, std::atoi(argv[++i]));
        else
            ribcat = argv[i];
    }
    if (ribcat.empty()) {
        const std::string self = argv[0];
        const size_t slash = self.rfind('/');
        ribcat = (slash == std::string::npos ? std::string(".") : self.substr(0, slash)) + "/ribcat";
    }
    if (!quillet::GzipPieces::available()) {
        std::puts("gzip_bench: built without libdeflate");
        return 1;
    }
    TriangleMesh mesh;
    std::printf("PointsPolygons, %zu triangles (P, N, st); best of %d runs. The compressors: processor seconds "
                "on one thread. The writes: wall-clock seconds (the helper threads compress while the stream is "
                "written) beside processor seconds of all threads; \"x\" compares wall clocks.\n",
                mesh.nvertices.size(), reps);
    bool met = true;
    for (bool binary : {false, true}) {
        char plain[] = "/tmp/gzip_bench-XXXXXX";
        const int fd = mkstemp(plain);
        if (fd >= 0) close(fd);
        const std::string compressed = std::string(plain) + ".gz";
        const char *encoding = binary ? "binary" : "ascii";
        const Times write = bestTimes(reps, [&] { mesh.write(plain, binary); });
        const std::string bytes = readWhole(plain);

        std::printf("\n%s stream, %.1f MB; plain write to a file %.2f s wall, %.2f s processor; %u helper "
                    "threads\n",
                    encoding, bytes.size() / kMB, write.wall, write.processor, quillet::GzipPieces::defaultHelpers());
        std::printf("  %-26s %8s %8s %9s\n", "compressor (same bytes)", "s", "x write", "MB");
        struct Method {
            const char *name;
            std::function<size_t()> run;
        };
        std::vector<Method> methods;
#ifdef QUILLET_HAVE_ZLIB
        for (int level : {1, 6})
            methods.push_back({level == 1 ? "zlib 1" : "zlib 6", [&bytes, level] { return zlibSize(bytes, level); }});
#endif
        for (int level : {1, 3, 6}) {
            static const char *const names[] = {"", "libdeflate 1, 1 MB pieces", "", "libdeflate 3, 1 MB pieces", "",
                                                "", "libdeflate 6, 1 MB pieces"};
            methods.push_back({names[level], [&bytes, level] { return piecesSize(bytes, level); }});
        }
        for (const Method &m : methods) {
            size_t size = 0;
            const double seconds = bestSeconds(reps, [&] { size = m.run(); });
            std::printf("  %-26s %8.2f %7.1fx %9.1f\n", m.name, seconds, seconds / write.processor, size / kMB);
        }

        std::printf("  %-26s %8s %8s %8s %9s %7s\n", "library write", "wall s", "cpu s", "x write", "MB", "ratio");
        std::printf("  %-26s %8.2f %8.2f %7.1fx %9.1f %7s\n", "plain", write.wall, write.processor, 1.0,
                    bytes.size() / kMB, "1.00");
        for (int level : {quillet::GzipPieces::kDefaultLevel, 6}) {
            RtInt asked = level;
            RiOption("rib", "gziplevel", &asked, RI_NULL);
            const Times times = bestTimes(reps, [&] { mesh.write(compressed.c_str(), binary); });
            const long size = fileSize(compressed.c_str());
            const std::string label = "gzip level " + std::to_string(level);
            std::printf("  %-26s %8.2f %8.2f %7.1fx %9.1f %7.2f\n", label.c_str(), times.wall, times.processor,
                        times.wall / write.wall, size / kMB, double(size) / double(bytes.size()));
            if (level == quillet::GzipPieces::kDefaultLevel) met = met && times.wall <= kTimeGoal * write.wall;
        }
        RtInt level = quillet::GzipPieces::kDefaultLevel;
        RiOption("rib", "gziplevel", &level, RI_NULL);

        std::printf("  %-26s %8s %8s %8s\n", "ribcat (to standard output)", "wall s", "cpu s", "x plain");
        const std::vector<std::string> rewrite =
            binary ? std::vector<std::string>{ribcat, "--binary", plain} : std::vector<std::string>{ribcat, plain};
        std::vector<std::string> gzipped = rewrite;
        gzipped.insert(gzipped.begin() + 1, "--gzip");
        const ChildRun plainRun = bestChildRun(reps, rewrite), gzipRun = bestChildRun(reps, gzipped);
        std::printf("  %-26s %8.2f %8.2f %7.1fx\n", binary ? "--binary" : "(ASCII)", plainRun.wallSeconds,
                    plainRun.seconds, 1.0);
        std::printf("  %-26s %8.2f %8.2f %7.1fx\n", binary ? "--binary --gzip" : "--gzip", gzipRun.wallSeconds,
                    gzipRun.seconds, gzipRun.wallSeconds / plainRun.wallSeconds);
        met = met && gzipRun.status == 0 && gzipRun.wallSeconds <= kTimeGoal * plainRun.wallSeconds;
        std::remove(plain);
        std::remove(compressed.c_str());
    }
    std::printf("\nTarget: compressed writing at the default level at most %.0fx the plain write, wall clock "
                "(the library's write and ribcat, ASCII and binary): %s\n",
                kTimeGoal, met ? "met" : "NOT met");
    return 0;
}
