// ribcat: reads RIB streams (ASCII or binary, plain or gzip-compressed) with
// the library's parser and writes them again through the library's own
// writer: ASCII, binary, compressed or indented. --check validates instead
// of writing.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "tools/ribcat/GzipOutput.h"
#include "tools/ribcat/IndentingContext.h"
#include "tools/ribcat/StreamChecker.h"
#include "quillet/ArchiveFollower.h"
#include "quillet/RibParser.h"
#include "quillet/RibWriter.h"

using namespace quillet;

namespace {

const char kUsage[] = "usage: ribcat [--binary] [--gzip] [--indent[=N]] [--precision N] [-r] [--archive-path DIRS]\n"
                      "              [-o FILE] [FILE...]\n"
                      "       ribcat --check [FILE...]\n"
                      "  -r, --readarchives  write each archive that a stream reads in place of its ReadArchive\n"
                      "                      (a DelayedReadArchive becomes an attribute block around it)\n"
                      "  --archive-path DIRS the archive search path before the stream sets one, and its \"&\"\n";
const char kPrefix[] = "ribcat: ";
const char kStdin[] = "-";
const char kStdinName[] = "<stdin>";
const char kStdoutName[] = "standard output";
const char kIndentOption[] = "--indent";
const int kDefaultIndent = 2;
const long kIndentMax = 64;
const long kPrecisionMax = 9;  // 0: the shortest text that reads back exactly
const char kCannotWrite[] = "ribcat: %s: %s\n";
const char kNoGzip[] = "ribcat: gzip output is not available\n";

struct Options {
    bool check = false;
    bool binary = false;
    bool gzip = false;
    bool readArchives = false;
    std::string archivePath;
    int indent = -1;     // no indenting
    int precision = -1;  // the writer's own
    const char *output = nullptr;
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

int check(const Options &options) {
    CheckDiagnostics diagnostics(kPrefix);
    for (const char *input : options.inputs) {
        StreamChecker checker(diagnostics);
        diagnostics.setSource(std::strcmp(input, kStdin) == 0 ? kStdinName : input);
        RibParseResult result = parseRib(input, checker, diagnostics);
        diagnostics.line = 0;
        if (result.complete) checker.finish();
    }
    return diagnostics.problems == 0 ? 0 : 1;
}

int convert(const Options &options) {
    FILE *file = stdout;
    const char *name = options.output ? options.output : kStdoutName;
    if (options.output && !(file = std::fopen(options.output, "wb"))) {
        std::fprintf(stderr, kCannotWrite, options.output, std::strerror(errno));
        return 1;
    }
    FILE *out = file;
    if (options.gzip && !(out = openGzipOutput(file))) {
        std::fputs(kNoGzip, stderr);
        return 1;
    }
    PrefixedDiagnostics diagnostics;
    {
        RtInt binary = options.binary ? 1 : 0, precision = options.precision;
        RibWriter writer(RibWriter::OpenStream{out, name}, "binary", &binary,
                         options.precision >= 0 ? "precision" : RI_NULL, &precision, RI_NULL);
        std::unique_ptr<IndentingContext> indenting;
        if (options.indent >= 0) indenting.reset(new IndentingContext(writer, options.indent));
        RenderContext &target = indenting ? static_cast<RenderContext &>(*indenting) : writer;
        ArchiveOptions archiveOptions;
        archiveOptions.defaultSearchPath = options.archivePath;
        ArchiveFollower follower(target, diagnostics, archiveOptions);
        for (const char *input : options.inputs) {
            if (options.readArchives)
                follower.parse(input);
            else
                parseRib(input, target, diagnostics);
        }
    }
    bool failed = std::ferror(out) != 0;
    if (out != file) failed = std::fclose(out) != 0 || failed;
    failed = (file == stdout ? std::fflush(file) : std::fclose(file)) != 0 || failed;
    if (failed) {
        std::fprintf(stderr, kCannotWrite, name, std::strerror(errno));
        return 1;
    }
    return diagnostics.count == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char **argv) {
    Options options;
    int status = 0;
    if (!readOptions(argc, argv, options, status)) return status;
    return options.check ? check(options) : convert(options);
}
