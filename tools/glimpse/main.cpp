// glimpse: previews a RIB stream. The parser reads the stream from a file
// or the standard input into the previewer's RenderContext, which ray casts
// every world block; each picture is written as a PNG and shown in the
// terminal when the standard output is one.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "tools/glimpse/ImageOutput.h"
#include "tools/glimpse/OutputName.h"
#include "tools/glimpse/PreviewContext.h"
#include "tools/glimpse/Renderer.h"
#include "quillet/ArchiveFollower.h"
#include "quillet/RibParser.h"

using namespace quillet;
using namespace quillet::glimpse;

namespace {

const char kUsage[] = "usage: glimpse [-o FILE.png] [--no-archives] [--archive-path DIRS] [FILE.rib]\n"
                      "  --no-archives       do not follow ReadArchive and DelayedReadArchive\n"
                      "  --archive-path DIRS the archive search path before the stream sets one, and its \"&\"\n";
const char kSummary[] = "glimpse: %dx%d, drawn: %s; skipped: %s%s; wrote %s\n";
const char kArchivesRead[] = "; archives read: ";
const char kArchivesNotRead[] = "; archives not read: ";
const char kListSeparator[] = ", ";
const char kNothingDrawn[] = "glimpse: %s has no world block: nothing drawn\n";
const char kProblem[] = "glimpse: %s: %s\n";
const char kError[] = "glimpse: %s\n";
const int kPreviewColumns = 80;

struct Options {
    std::string input = "-";
    std::string output;
    bool followArchives = true;
    std::string archivePath;
};

int parseArguments(int argc, char **argv, Options &options) {
    bool haveInput = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--version") {
            std::printf("glimpse %s\n", QUILLET_VERSION);
            return 0;
        }
        if (arg == "-h" || arg == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "-o" && i + 1 < argc) {
            options.output = argv[++i];
        } else if (arg == "--no-archives") {
            options.followArchives = false;
        } else if (arg == "--archive-path" && i + 1 < argc) {
            options.archivePath = argv[++i];
        } else if ((arg.size() > 1 && arg[0] == '-') || haveInput) {
            std::fputs(kUsage, stderr);
            return 2;
        } else {
            options.input = arg;
            haveInput = true;
        }
    }
    return -1;
}

std::string printable(const std::string &text) {
    return printableText(text.data(), text.size());
}

// "; archives read: a.rib, b.rib", or nothing for no names.
std::string archiveList(const char *label, const std::vector<std::string> &names) {
    if (names.empty()) return std::string();
    std::string text = label;
    for (size_t i = 0; i < names.size(); ++i) text += (i ? kListSeparator : "") + printable(names[i]);
    return text;
}

class Diagnostics : public RibDiagnostics {
public:
    void error(const RibParseError &e) override {
        ++count;
        std::fprintf(stderr, kError, formatRibParseError(e).c_str());
    }
    int count = 0;
};

}  // namespace

int main(int argc, char **argv) {
    Options options;
    int status = parseArguments(argc, argv, options);
    if (status >= 0) return status;

    const std::string source = options.input == "-" ? "<stdin>" : options.input;
    bool failed = false;
    const bool terminal = isatty(STDOUT_FILENO) == 1;
    const unsigned threads = renderThreads();
    std::set<std::string> written;
    int frames = 0;
    std::unique_ptr<ArchiveFollower> follower;
    PreviewContext context(
        [&](const Frame &frame, const Tally &drawn, const Tally &skipped) {
            Image image = renderFrame(frame, threads);
            const Camera &camera = frame.camera;
            std::string name = !options.output.empty() ? options.output
                               : camera.displayType == "file" && isSafeDisplayName(camera.displayName)
                                   ? camera.displayName
                                   : kDefaultOutput;
            name = uniqueName(name, ++frames, written);
            std::string problem;
            if (!writePng(image, name, problem)) {
                std::fprintf(stderr, kError, printable(problem).c_str());
                failed = true;
                name = "nothing (" + problem + ")";
            }
            if (terminal) printTerminalPreview(image, kPreviewColumns, stdout);
            std::string archives;
            if (follower)
                archives = archiveList(kArchivesRead, follower->archivesRead()) +
                           archiveList(kArchivesNotRead, follower->archivesNotRead());
            std::printf(kSummary, image.width, image.height, drawn.text().c_str(), skipped.text().c_str(),
                        archives.c_str(), printable(name).c_str());
            std::fflush(stdout);
        },
        [&](const std::string &problem) { std::fprintf(stderr, kProblem, printable(source).c_str(), problem.c_str()); },
        Limits(), threads);

    Diagnostics diagnostics;
    if (options.followArchives) {
        ArchiveOptions archiveOptions;
        archiveOptions.defaultSearchPath = options.archivePath;
        follower.reset(new ArchiveFollower(context, diagnostics, archiveOptions));
        follower->parse(options.input.c_str());
    } else {
        parseRib(options.input.c_str(), context, diagnostics);
    }
    context.finish();
    if (frames == 0) {
        std::printf(kNothingDrawn, printable(source).c_str());
        failed = true;
    }
    return failed || context.failed() || diagnostics.count > 0 ? 1 : 0;
}
