// ribcat: reads RIB streams (ASCII or binary, plain or gzip-compressed) with
// the library's parser and writes them again through the library's own
// writer: ASCII, binary, compressed or indented. --check validates instead
// of writing.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "rib/GzipPieces.h"
#include "tools/common/ByteSize.h"
#include "tools/ribcat/IndentingContext.h"
#include "tools/ribcat/OutputBound.h"
#include "tools/ribcat/StreamChecker.h"
#include "format/FloatFormat.h"
#include "tools/ribcat/UnknownRequestNotes.h"
#include "quillet/ArchiveFollower.h"
#include "quillet/BoundingContext.h"
#include "quillet/RibParser.h"
#include "quillet/RibWriter.h"

using namespace quillet;

namespace {

const char kUsage[] =
    "usage: ribcat [--binary] [--gzip] [--gzip-level N] [--indent[=N]] [--precision N] [-r]\n"
    "              [--archive-path DIRS] [--max-output N] [--max-memory SIZE] [-o FILE] [FILE...]\n"
    "       ribcat --check [--max-memory SIZE] [FILE...]\n"
    "       ribcat --bound FILE [--archive-path DIRS]\n"
    "  --bound FILE        print the bound of what FILE draws (archives followed), in its\n"
    "                      top-level space: xmin xmax ymin ymax zmin zmax\n"
    "  --gzip-level N      0 (stored) to 12 (smallest); default 1, which keeps pace with the write\n"
    "  -r, --readarchives  write each archive that a stream reads in place of its ReadArchive\n"
    "                      (a DelayedReadArchive becomes an attribute block around it)\n"
    "  --archive-path DIRS the archive search path before the stream sets one, and its \"&\"\n"
    "  --max-output N      write at most N times the bytes read (uncompressed), plus 1M (default 100)\n"
    "  --max-memory SIZE   memory one parse may hold, in bytes or with K, M or G (default 4G)\n"
    "  --indent[=N]        N spaces a level (default 2, at most 64), at most 16 levels deep\n";
const char kPrefix[] = "ribcat: ";
const char kStdin[] = "-";
const char kStdinName[] = "<stdin>";
const char kStdoutName[] = "standard output";
const char kIndentOption[] = "--indent";
const int kDefaultIndent = 2;
const long kIndentMax = 64;
const long kPrecisionMax = 9;  // 0: the shortest text that reads back exactly
const char kCannotWrite[] = "ribcat: %s: %s\n";
const char kNoGzip[] = "ribcat: gzip output is not available in this build\n";
const long kGzipLevelMax = 12;
const char kNothingDrawn[] = "ribcat: %s draws no geometry: no bound\n";
const char kBoundLine[] = "%.*s\n";
const char kOutputBound[] = "ribcat: %s: output stopped at %llu times the input read (--max-output raises it)\n";
const char kOutOfMemory[] = "ribcat: out of memory\n";

struct Options {
    bool check = false;
    bool binary = false;
    bool gzip = false;
    int gzipLevel = -1;  // the writer's own
    bool readArchives = false;
    std::string archivePath;
    int indent = -1;     // no indenting
    int precision = -1;  // the writer's own
    uint64_t outputRatio = OutputBound::kDefaultRatio;
    RibParseLimits limits;
    const char *output = nullptr;
    const char *boundOf = nullptr;
    std::vector<const char *> inputs;
};

// False (usage printed) when the arguments are not understood.
bool readOptions(int argc, char **argv, Options &options, int &status) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--version") {
            std::printf("ribcat %s\n", QUILLET_VERSION);
            status = 0;
            return false;
        }
        if (arg == "-h" || arg == "--help") {
            std::fputs(kUsage, stdout);
            status = 0;
            return false;
        }
        if (arg == "--check") {
            options.check = true;
        } else if (arg == "--binary") {
            options.binary = true;
        } else if (arg == "--gzip") {
            options.gzip = true;
        } else if (arg == "--gzip-level" && i + 1 < argc) {
            char *end;
            long level = std::strtol(argv[++i], &end, 10);
            if (*end || end == argv[i] || level < 0 || level > kGzipLevelMax) {
                std::fputs(kUsage, stderr);
                status = 2;
                return false;
            }
            options.gzip = true;
            options.gzipLevel = static_cast<int>(level);
        } else if (arg == "--bound" && i + 1 < argc) {
            options.boundOf = argv[++i];
        } else if (arg == "-r" || arg == "--readarchives") {
            options.readArchives = true;
        } else if (arg == "--archive-path" && i + 1 < argc) {
            options.archivePath = argv[++i];
        } else if (arg == kIndentOption) {
            options.indent = kDefaultIndent;
        } else if (arg.compare(0, sizeof kIndentOption, std::string(kIndentOption) + "=") == 0) {
            char *end;
            long spaces = std::strtol(arg.c_str() + sizeof kIndentOption, &end, 10);
            if (*end || end == arg.c_str() + sizeof kIndentOption || spaces < 0 || spaces > kIndentMax) {
                std::fputs(kUsage, stderr);
                status = 2;
                return false;
            }
            options.indent = static_cast<int>(spaces);
        } else if (arg == "--precision" && i + 1 < argc) {
            char *end;
            long digits = std::strtol(argv[++i], &end, 10);
            if (*end || end == argv[i] || digits < 0 || digits > kPrecisionMax) {
                std::fputs(kUsage, stderr);
                status = 2;
                return false;
            }
            options.precision = static_cast<int>(digits);
        } else if (arg == "--max-output" && i + 1 < argc) {
            char *end;
            unsigned long long ratio = std::strtoull(argv[++i], &end, 10);
            if (*end || end == argv[i] || ratio == 0 || argv[i][0] == '-') {
                std::fputs(kUsage, stderr);
                status = 2;
                return false;
            }
            options.outputRatio = ratio;
        } else if (arg == "--max-memory" && i + 1 < argc) {
            if (!readByteSize(argv[++i], options.limits.memoryBytes)) {
                std::fputs(kUsage, stderr);
                status = 2;
                return false;
            }
        } else if (arg == "-o" && i + 1 < argc) {
            options.output = argv[++i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            std::fputs(kUsage, stderr);
            status = 2;
            return false;
        } else {
            options.inputs.push_back(argv[i]);
        }
    }
    if (options.inputs.empty()) options.inputs.push_back(kStdin);
    return true;
}

class PrefixedDiagnostics : public RibDiagnostics {
public:
    void error(const RibParseError &error) override {
        std::string text = kPrefix + formatRibParseError(error) + "\n";
        std::fputs(text.c_str(), stderr);
        ++count;
    }
    size_t count = 0;  // in the streams and in the archives they read
};

// The same, ending the parse once the output has reached its bound.
class BoundedDiagnostics : public PrefixedDiagnostics {
public:
    explicit BoundedDiagnostics(OutputBound &bound) : bound(bound) {}
    void reached(size_t bytesRead) override { bound.reached(bytesRead); }
    bool proceed(size_t, size_t) override { return !bound.exceeded(); }

private:
    OutputBound &bound;
};

int check(const Options &options) {
    CheckDiagnostics diagnostics(kPrefix);
    for (const char *input : options.inputs) {
        StreamChecker checker(diagnostics);
        diagnostics.setSource(std::strcmp(input, kStdin) == 0 ? kStdinName : input);
        RibParseResult result = parseRib(input, checker, diagnostics, options.limits);
        diagnostics.line = 0;
        if (result.complete) checker.finish();
    }
    return diagnostics.problems == 0 ? 0 : 1;
}

// The six numbers of the bound in the shortest text that reads back as the
// same floats.
int printBound(const Options &options) {
    PrefixedDiagnostics diagnostics;
    BoundingContext bounding;
    ArchiveOptions archiveOptions;
    archiveOptions.defaultSearchPath = options.archivePath;
    archiveOptions.limits = options.limits;
    ArchiveFollower follower(bounding, diagnostics, archiveOptions);
    follower.parse(options.boundOf);
    if (!bounding.measured()) {
        std::fprintf(stderr, kNothingDrawn, printableText(options.boundOf, std::strlen(options.boundOf)).c_str());
        return 1;
    }
    RtBound bound;
    bounding.bound(bound);
    char text[6 * (kGeneralTextMax + 1)];
    bool nonFinite = false;
    size_t length = formatFloatList(text, bound, 6, kShortestPrecision, nonFinite);
    while (length > 0 && text[length - 1] == ' ') --length;
    std::printf(kBoundLine, static_cast<int>(length), text);
    return diagnostics.count == 0 ? 0 : 1;
}

int convert(const Options &options) {
    FILE *file = stdout;
    const char *name = options.output ? options.output : kStdoutName;
    if (options.output && !(file = std::fopen(options.output, "wb"))) {
        std::fprintf(stderr, kCannotWrite, printableText(options.output, std::strlen(options.output)).c_str(),
                     std::strerror(errno));
        return 1;
    }
    if (options.gzip && !GzipPieces::available()) {
        std::fputs(kNoGzip, stderr);
        return 1;
    }
    // The writer writes plain text or binary; the bound counts it before
    // it is compressed.
    auto toFile = [file](const char *bytes, size_t length) { return std::fwrite(bytes, 1, length, file) == length; };
    std::unique_ptr<GzipPieces> gzip;
    if (options.gzip)
        gzip.reset(new GzipPieces(options.gzipLevel >= 0 ? options.gzipLevel : GzipPieces::kDefaultLevel, toFile));
    OutputBound bound(options.outputRatio, [&](const char *bytes, size_t length) {
        return gzip ? gzip->write(bytes, length) : toFile(bytes, length);
    });
    FILE *bounded = bound.open();
    if (!bounded) {
        std::fputs(kOutOfMemory, stderr);
        return 1;
    }
    const char *stoppedIn = nullptr;
    BoundedDiagnostics diagnostics(bound);
    {
        RtInt binary = options.binary ? 1 : 0, precision = options.precision;
        RibWriter writer(RibWriter::OpenStream{bounded, name}, "binary", &binary,
                         options.precision >= 0 ? "precision" : RI_NULL, &precision, RI_NULL);
        std::unique_ptr<IndentingContext> indenting;
        if (options.indent >= 0) indenting.reset(new IndentingContext(writer, options.indent));
        UnknownRequestNotes target(indenting ? static_cast<RenderContext &>(*indenting) : writer);
        ArchiveOptions archiveOptions;
        archiveOptions.defaultSearchPath = options.archivePath;
        archiveOptions.limits = options.limits;
        ArchiveFollower follower(target, diagnostics, archiveOptions);
        for (const char *input : options.inputs) {
            if (options.readArchives)
                follower.parse(input);
            else
                parseRib(input, target, diagnostics, options.limits);
            bound.streamDone();
            if (bound.exceeded()) {
                stoppedIn = std::strcmp(input, kStdin) == 0 ? kStdinName : input;
                break;
            }
        }
    }
    bool failed = std::fclose(bounded) != 0;
    if (gzip) failed = !gzip->finish() || failed;
    if (stoppedIn) {
        std::fprintf(stderr, kOutputBound, printableText(stoppedIn, std::strlen(stoppedIn)).c_str(),
                     static_cast<unsigned long long>(bound.ratioUsed()));
        ++diagnostics.count;
    }
    failed = std::ferror(file) != 0 || failed;
    failed = (file == stdout ? std::fflush(file) : std::fclose(file)) != 0 || failed;
    if (failed) {
        std::fprintf(stderr, kCannotWrite, printableText(name, std::strlen(name)).c_str(), std::strerror(errno));
        return 1;
    }
    return diagnostics.count == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char **argv) {
    Options options;
    int status = 0;
    if (!readOptions(argc, argv, options, status)) return status;
    try {
        if (options.boundOf) return printBound(options);
        return options.check ? check(options) : convert(options);
    } catch (const std::bad_alloc &) {
        std::fputs(kOutOfMemory, stderr);
        return 1;
    }
}
