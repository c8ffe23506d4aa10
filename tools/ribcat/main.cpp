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
#include "tools/common/Progress.h"
#include "tools/common/ReplacingFile.h"
#include "tools/common/ToolHelp.h"
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

const tools::ToolHelp kHelp = {
    "ribcat",
    "usage: ribcat [--binary] [--gzip] [--gzip-level N] [--indent[=N]] [--precision N] [-r]\n"
    "              [--archive-path DIRS] [--max-output N] [--max-memory SIZE] [-o FILE] [FILE...]\n"
    "       ribcat --check [--max-memory SIZE] [FILE...]\n"
    "       ribcat --bound FILE [--archive-path DIRS]\n",
    "Reads RIB streams (ASCII or binary, plain or gzip-compressed; - or none is the standard input) and\n"
    "writes them again as one stream, or checks them.",
    {
        {"--check", "check the streams and report every problem; write nothing"},
        {"--bound FILE", "print the bound of what FILE draws (archives followed), in its top-level space: xmin "
                         "xmax ymin ymax zmin zmax"},
        {"--binary", "write numbers as binary tokens"},
        {"--gzip", "compress the stream written"},
        {"--gzip-level N", "compress at level N: 0 (stored) to 12 (smallest); default 1, which keeps pace with the "
                           "write"},
        {"--indent[=N]", "indent the requests inside blocks by N spaces a level (default 2, at most 64), at most 16 "
                         "levels deep"},
        {"--precision N", "write numbers with N significant digits (1 to 9; 0: the shortest exact text)"},
        {"-r, --readarchives", "write each archive that a stream reads in place of its ReadArchive (a "
                               "DelayedReadArchive becomes an attribute block around it)"},
        {"--archive-path DIRS", "the archive search path before the stream sets one, and its \"&\""},
        {"--max-output N", "write at most N times the bytes read (uncompressed), plus 1M (default 100)"},
        {"--max-memory SIZE", "memory one parse may hold, in bytes or with K, M or G (default 4G)"},
        {"-o FILE", "write to FILE, replaced only once the whole stream is written (never one of the inputs)"},
        {"-h, --help", "show this help"},
        {"--version", "show the version"},
    },
    {
        "ribcat scene.rib.gz -o scene.rib",
        "ribcat --binary --gzip frame1.rib frame2.rib -o frames.rib.gz",
        "ribcat --indent=4 --precision 4 scene.rib",
        "ribcat --check scene.rib",
        "ribcat --bound tree.rib",
        "ribcat -r --archive-path assets scene.rib -o flat.rib",
    },
};
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
const char kOutputBound[] = "ribcat: %s: output stopped at %llu times the input read (--max-output raises it)\n";
const char kOutOfMemory[] = "ribcat: out of memory\n";
const char kNothingDrawn[] = "ribcat: %s draws no geometry: no bound\n";
const char kBoundLine[] = "%.*s\n";
const char kOutputIsInput[] = "ribcat: -o %s names the input %s: write to another file\n";
const char kFileName[] = "a file name";
const char kSearchPath[] = "a search path";
const char kIndentRange[] = "a number of spaces from 0 to 64";
const char kPrecisionRange[] = "a number of digits from 0 to 9";
const char kGzipLevelRange[] = "a compression level from 0 to 12";
const char kOutputRatio[] = "a whole number above 0";
const char kMemorySize[] = "a size in bytes, or with K, M or G";

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

// A whole decimal number from 0 to max.
bool readCount(const char *text, long max, int &count) {
    char *end;
    long value = std::strtol(text, &end, 10);
    if (*end || end == text || value < 0 || value > max) return false;
    count = static_cast<int>(value);
    return true;
}

// A whole decimal number above 0.
bool readRatio(const char *text, uint64_t &ratio) {
    char *end;
    unsigned long long value = std::strtoull(text, &end, 10);
    if (*end || end == text || value == 0 || text[0] == '-') return false;
    ratio = value;
    return true;
}

// False when ribcat is to end at once with status (after --help, --version
// or a command line it does not understand).
bool readOptions(int argc, char **argv, Options &options, int &status) {
    status = 0;
    auto mistaken = [&status](const std::string &problem) {
        status = tools::usageError(kHelp, problem);
        return false;
    };
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--version") {
            tools::printVersion(kHelp, stdout);
            return false;
        }
        if (arg == "-h" || arg == "--help") {
            tools::printHelp(kHelp, stdout);
            return false;
        }
        if (arg == "--check") {
            options.check = true;
        } else if (arg == "--binary") {
            options.binary = true;
        } else if (arg == "--gzip") {
            options.gzip = true;
        } else if (arg == "--gzip-level") {
            if (!hasValue) return mistaken(tools::missingValue(arg, kGzipLevelRange));
            if (!readCount(argv[++i], kGzipLevelMax, options.gzipLevel))
                return mistaken(tools::badValue(arg, argv[i], kGzipLevelRange));
            options.gzip = true;
        } else if (arg == "--bound") {
            if (!hasValue) return mistaken(tools::missingValue(arg, kFileName));
            options.boundOf = argv[++i];
        } else if (arg == "-r" || arg == "--readarchives") {
            options.readArchives = true;
        } else if (arg == "--archive-path") {
            if (!hasValue) return mistaken(tools::missingValue(arg, kSearchPath));
            options.archivePath = argv[++i];
        } else if (arg == kIndentOption) {
            options.indent = kDefaultIndent;
        } else if (arg.compare(0, sizeof kIndentOption, std::string(kIndentOption) + "=") == 0) {
            const std::string value = arg.substr(sizeof kIndentOption);
            if (!readCount(value.c_str(), kIndentMax, options.indent))
                return mistaken(tools::badValue(kIndentOption, value, kIndentRange));
        } else if (arg == "--precision") {
            if (!hasValue) return mistaken(tools::missingValue(arg, kPrecisionRange));
            if (!readCount(argv[++i], kPrecisionMax, options.precision))
                return mistaken(tools::badValue(arg, argv[i], kPrecisionRange));
        } else if (arg == "--max-output") {
            if (!hasValue) return mistaken(tools::missingValue(arg, kOutputRatio));
            if (!readRatio(argv[++i], options.outputRatio))
                return mistaken(tools::badValue(arg, argv[i], kOutputRatio));
        } else if (arg == "--max-memory") {
            if (!hasValue) return mistaken(tools::missingValue(arg, kMemorySize));
            if (!readByteSize(argv[++i], options.limits.memoryBytes))
                return mistaken(tools::badValue(arg, argv[i], kMemorySize));
        } else if (arg == "-o") {
            if (!hasValue) return mistaken(tools::missingValue(arg, kFileName));
            options.output = argv[++i];
        } else if (arg.size() > 1 && arg[0] == '-') {
            return mistaken(tools::unknownOption(arg));
        } else {
            options.inputs.push_back(argv[i]);
        }
    }
    if (options.inputs.empty()) {
        options.inputs.push_back(kStdin);
        if (!options.boundOf) tools::noteWaitingForTerminal(kHelp);
    }
    return true;
}

// -o may not name a stream still to be read: refused before anything is read.
bool outputIsAnInput(const Options &options) {
    if (!options.output) return false;
    for (const char *input : options.inputs) {
        if (std::strcmp(input, kStdin) != 0 && tools::sameFile(options.output, input)) {
            const std::string output = printableText(options.output, std::strlen(options.output));
            const std::string named = printableText(input, std::strlen(input));
            std::fprintf(stderr, kOutputIsInput, output.c_str(), named.c_str());
            return true;
        }
    }
    return false;
}

const char *sourceName(const char *input) {
    return std::strcmp(input, kStdin) == 0 ? kStdinName : input;
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

// The same, showing progress and ending the parse once the output has
// reached its bound.
class BoundedDiagnostics : public PrefixedDiagnostics {
public:
    BoundedDiagnostics(OutputBound &bound, tools::ReadProgress &progress) : bound(bound), progress(progress) {}
    void reached(size_t bytesRead) override { bound.reached(bytesRead); }
    bool proceed(size_t, size_t offset) override {
        progress.at(offset);
        return !bound.exceeded();
    }

private:
    OutputBound &bound;
    tools::ReadProgress &progress;
};

int check(const Options &options) {
    tools::ReadProgress progress(kHelp.program, false);
    CheckDiagnostics diagnostics(kPrefix, [&progress](size_t offset) { progress.at(offset); });
    for (const char *input : options.inputs) {
        StreamChecker checker(diagnostics);
        diagnostics.setSource(sourceName(input));
        progress.start(printableText(sourceName(input), std::strlen(sourceName(input))), input);
        RibParseResult result = parseRib(input, checker, diagnostics, options.limits);
        progress.finish();
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
    std::unique_ptr<tools::ReplacingFile> replacing;
    if (options.output) {
        replacing.reset(new tools::ReplacingFile(options.output));
        if (!(file = replacing->open())) {
            std::fprintf(stderr, kCannotWrite, printableText(options.output, std::strlen(options.output)).c_str(),
                         std::strerror(errno));
            return 1;
        }
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
    tools::ReadProgress progress(kHelp.program, false);
    BoundedDiagnostics diagnostics(bound, progress);
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
            progress.start(printableText(sourceName(input), std::strlen(sourceName(input))), input);
            if (options.readArchives)
                follower.parse(input);
            else
                parseRib(input, target, diagnostics, options.limits);
            progress.finish();
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
    failed = (replacing ? !replacing->commit() : std::fflush(file) != 0) || failed;
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
    if (outputIsAnInput(options)) return tools::kUsageStatus;
    try {
        if (options.boundOf) return printBound(options);
        return options.check ? check(options) : convert(options);
    } catch (const std::bad_alloc &) {
        std::fputs(kOutOfMemory, stderr);
        return 1;
    }
}
