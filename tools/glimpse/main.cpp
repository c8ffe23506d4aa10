// glimpse: previews a RIB stream. The parser reads the stream from a file
// or the standard input into the previewer's RenderContext, which ray casts
// every world block; each picture is written as a PNG and shown in the
// terminal when the standard output is one.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "tools/glimpse/ImageOutput.h"
#include "tools/glimpse/OutputName.h"
#include "tools/glimpse/PreviewContext.h"
#include "tools/glimpse/Renderer.h"
#include "quillet/RibParser.h"

using namespace quillet;
using namespace quillet::glimpse;

namespace {

const char kUsage[] = "usage: glimpse [-o FILE.png] [FILE.rib]\n";
const char kSummary[] = "glimpse: %dx%d, drawn: %s; skipped: %s; wrote %s\n";
const char kNothingDrawn[] = "glimpse: %s has no world block: nothing drawn\n";
const char kProblem[] = "glimpse: %s: %s\n";
const char kError[] = "glimpse: %s\n";
const int kPreviewColumns = 80;

struct Options {
    std::string input = "-";
    std::string output;
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
            std::printf(kSummary, image.width, image.height, drawn.text().c_str(), skipped.text().c_str(),
                        printable(name).c_str());
            std::fflush(stdout);
        },
        [&](const std::string &problem) { std::fprintf(stderr, kProblem, printable(source).c_str(), problem.c_str()); },
        Limits(), threads);

    Diagnostics diagnostics;
    parseRib(options.input.c_str(), context, diagnostics);
    context.finish();
    if (frames == 0) {
        std::printf(kNothingDrawn, printable(source).c_str());
        failed = true;
    }
    return failed || context.failed() || diagnostics.count > 0 ? 1 : 0;
}
