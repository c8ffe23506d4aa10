// glimpse: previews a RIB stream. The parser reads the stream from a file
// or the standard input into the previewer's RenderContext, which ray casts
// every world block; each picture is written as a PNG and shown in the
// terminal when the standard output is one.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <set>
#include <string>
#include <vector>

#include "tools/common/ByteSize.h"
#include "tools/common/Progress.h"
#include "tools/common/ReplacingFile.h"
#include "tools/common/ToolHelp.h"
#include "tools/glimpse/ImageOutput.h"
#include "tools/glimpse/OutputName.h"
#include "tools/glimpse/Conditions.h"
#include "tools/glimpse/PreviewContext.h"
#include "tools/glimpse/Renderer.h"
#include "format/FormatString.h"
#include "quillet/ArchiveFollower.h"
#include "quillet/RibParser.h"

using namespace quillet;
using namespace quillet::glimpse;

namespace {

const tools::ToolHelp kHelp = {
    "glimpse",
    "usage: glimpse [-o FILE.png] [--no-archives] [--archive-path DIRS] [--max-frames N] [--max-rays N]\n"
    "               [--max-tests N] [--max-memory SIZE] [FILE.rib]\n",
    "Previews a RIB stream (a file, or the standard input when none is named or it is -): each world\n"
    "block is drawn, written as a PNG and shown in the terminal when the standard output is one.",
    {
        {"-o FILE.png", "write the pictures to FILE.png (FILE-2.png, ... for later frames), replaced only once "
                        "written whole; otherwise the Display name when it is a PNG here, else glimpse.png"},
        {"--no-archives", "do not follow ReadArchive and DelayedReadArchive"},
        {"--archive-path DIRS", "the archive search path before the stream sets one, and its \"&\""},
        {"--max-frames N", "frames drawn (default 100)"},
        {"--max-rays N", "pixels times samples a frame (default 33554432)"},
        {"--max-tests N", "tests of a ray against an object, a frame and in all (defaults 40000000 and 80000000)"},
        {"--max-memory SIZE", "memory the parse may hold, in bytes or with K, M or G (default 4G)"},
        {"-h, --help", "show this help"},
        {"--version", "show the version"},
    },
    {
        "glimpse scene.rib",
        "glimpse -o preview.png scene.rib.gz",
        "lathe | glimpse",
        "glimpse --max-frames 1 --archive-path assets scene.rib",
    },
};
const char kSummary[] = "glimpse: %dx%d, drawn: %s; skipped: %s%s; wrote %s\n";
const char kMotion[] = "; motion blocks: %d, drawn at their time nearest shutter open (%g)";
const char kArchivesRead[] = "; archives read: ";
const char kArchivesNotRead[] = "; archives not read: ";
const char kListSeparator[] = ", ";
const char kNothingDrawn[] = "glimpse: %s has no world block: nothing drawn\n";
const char kProblem[] = "glimpse: %s: %s\n";
const char kError[] = "glimpse: %s\n";
const char kFramesCut[] = "the previewer's limit of %d frames is reached: the frames after it are not drawn";
const char kRaysCut[] = "frame %d: its rays pass the previewer's limit of %llu a frame: the rows past it are black";
const char kFrameTestsCut[] =
    "frame %d: the previewer's limit of %llu ray tests a frame is reached: the rest of the frame is black";
const char kStreamTestsCut[] =
    "frame %d: the previewer's limit of %llu ray tests for the stream is reached: the rest is black";
const char kOutOfMemory[] = "glimpse: out of memory\n";
const int kDefaultMaxFrames = 100;
const char kPictureIsInput[] = "%s is the input: not overwritten";
const char kFileName[] = "a file name";
const char kSearchPath[] = "a search path";
const char kPositiveCount[] = "a whole number above 0";
const char kFrameCount[] = "a whole number from 1 to 1000000";
const char kMemorySize[] = "a size in bytes, or with K, M or G";
const char kStdin[] = "-";
const int kPreviewColumns = 80;

struct Options {
    std::string input = "-";
    std::string output;
    bool followArchives = true;
    std::string archivePath;
    int maxFrames = kDefaultMaxFrames;
    TraceLimits trace;
    RibParseLimits parse;
};

// A positive count; false when the text is not one.
bool readCount(const char *text, uint64_t &count) {
    return readByteSize(text, count) && count > 0 && text[std::strlen(text) - 1] >= '0' &&
           text[std::strlen(text) - 1] <= '9';
}

// -1 to go on, else the status to end with at once (after --help,
// --version or a command line that is not understood).
int parseArguments(int argc, char **argv, Options &options) {
    bool haveInput = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--version") {
            tools::printVersion(kHelp, stdout);
            return 0;
        }
        if (arg == "-h" || arg == "--help") {
            tools::printHelp(kHelp, stdout);
            return 0;
        }
        if (arg == "-o") {
            if (!hasValue) return tools::usageError(kHelp, tools::missingValue(arg, kFileName));
            options.output = argv[++i];
        } else if (arg == "--no-archives") {
            options.followArchives = false;
        } else if (arg == "--archive-path") {
            if (!hasValue) return tools::usageError(kHelp, tools::missingValue(arg, kSearchPath));
            options.archivePath = argv[++i];
        } else if (arg == "--max-frames" || arg == "--max-rays" || arg == "--max-tests") {
            const bool frameCount = arg == "--max-frames";
            const char *what = frameCount ? kFrameCount : kPositiveCount;
            if (!hasValue) return tools::usageError(kHelp, tools::missingValue(arg, what));
            uint64_t count;
            if (!readCount(argv[++i], count) || (frameCount && count > 1000000))
                return tools::usageError(kHelp, tools::badValue(arg, argv[i], what));
            if (frameCount) options.maxFrames = static_cast<int>(count);
            if (arg == "--max-rays") options.trace.raysPerFrame = count;
            if (arg == "--max-tests") options.trace.testsPerFrame = options.trace.testsPerStream = count;
        } else if (arg == "--max-memory") {
            if (!hasValue) return tools::usageError(kHelp, tools::missingValue(arg, kMemorySize));
            if (!readByteSize(argv[++i], options.parse.memoryBytes))
                return tools::usageError(kHelp, tools::badValue(arg, argv[i], kMemorySize));
        } else if (arg.size() > 1 && arg[0] == '-') {
            return tools::usageError(kHelp, tools::unknownOption(arg));
        } else if (haveInput) {
            return tools::usageError(kHelp, tools::extraArgument(arg));
        } else {
            options.input = arg;
            haveInput = true;
        }
    }
    if (!haveInput) tools::noteWaitingForTerminal(kHelp);
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
    explicit Diagnostics(tools::ReadProgress &progress) : progress(progress) {}
    void error(const RibParseError &e) override {
        ++count;
        progress.finish();
        std::fprintf(stderr, kError, formatRibParseError(e).c_str());
    }
    bool proceed(size_t, size_t offset) override {
        progress.at(offset);
        return true;
    }
    int count = 0;

private:
    tools::ReadProgress &progress;
};

// A picture never replaces the stream being read.
bool namesTheInput(const Options &options, const std::string &name) {
    return options.input != kStdin && tools::sameFile(name, options.input);
}

int preview(const Options &options) {
    const std::string source = options.input == kStdin ? "<stdin>" : options.input;
    if (!options.output.empty() && namesTheInput(options, options.output)) {
        std::fprintf(stderr, kError, formatString(kPictureIsInput, printable(options.output).c_str()).c_str());
        return tools::kUsageStatus;
    }
    tools::ReadProgress progress(kHelp.program, true);
    progress.start(printable(source), options.input.c_str());
    bool failed = false;
    const bool terminal = isatty(STDOUT_FILENO) == 1;
    const unsigned threads = renderThreads();
    std::set<std::string> written;
    int frames = 0;
    std::unique_ptr<ArchiveFollower> follower;
    TraceBudget budget(options.trace);
    bool framesCut = false, raysCut = false, testsCut = false;
    auto report = [&](const std::string &problem) {
        progress.finish();
        std::fprintf(stderr, kProblem, printable(source).c_str(), problem.c_str());
        failed = true;
    };
    PreviewContext context(
        [&](const Frame &frame, const Tally &drawn, const Tally &skipped) {
            if (frames >= options.maxFrames) {
                if (!framesCut) report(formatString(kFramesCut, options.maxFrames));
                framesCut = true;
                return;
            }
            Image image = renderFrame(frame, threads, &budget);
            const int number = frames + 1;
            const TraceLimits &limits = budget.limits;
            if (budget.lastCut == TraceBudget::Cut::Rays && !raysCut)
                report(formatString(kRaysCut, number, static_cast<unsigned long long>(limits.raysPerFrame)));
            raysCut = raysCut || budget.lastCut == TraceBudget::Cut::Rays;
            if (budget.lastCut == TraceBudget::Cut::FrameTests && !testsCut)
                report(formatString(kFrameTestsCut, number, static_cast<unsigned long long>(limits.testsPerFrame)));
            if (budget.lastCut == TraceBudget::Cut::StreamTests && !testsCut)
                report(formatString(kStreamTestsCut, number, static_cast<unsigned long long>(limits.testsPerStream)));
            testsCut = testsCut || budget.lastCut == TraceBudget::Cut::FrameTests ||
                       budget.lastCut == TraceBudget::Cut::StreamTests;
            const Camera &camera = frame.camera;
            std::string name = !options.output.empty() ? options.output
                               : camera.displayType == "file" && isSafeDisplayName(camera.displayName)
                                   ? camera.displayName
                                   : kDefaultOutput;
            name = uniqueName(name, ++frames, written);
            std::string problem;
            if (namesTheInput(options, name)) problem = formatString(kPictureIsInput, name.c_str());
            if (!problem.empty() || !writePng(image, name, problem)) {
                std::fprintf(stderr, kError, printable(problem).c_str());
                failed = true;
                name = "nothing (" + problem + ")";
            }
            progress.frameDrawn();
            progress.finish();
            if (terminal) printTerminalPreview(image, kPreviewColumns, stdout);
            std::string archives =
                frame.motionBlocks > 0 ? formatString(kMotion, frame.motionBlocks, frame.camera.shutterOpen) : "";
            if (follower)
                archives += archiveList(kArchivesRead, follower->archivesRead()) +
                            archiveList(kArchivesNotRead, follower->archivesNotRead());
            std::printf(kSummary, image.width, image.height, drawn.text().c_str(), skipped.text().c_str(),
                        archives.c_str(), printable(name).c_str());
            std::fflush(stdout);
        },
        [&](const std::string &problem) {
            progress.finish();
            std::fprintf(stderr, kProblem, printable(source).c_str(), problem.c_str());
        },
        Limits(), threads);
    // Conditional blocks are decided in front of the previewer, after the
    // archives are read.
    Conditions conditions(context, report);

    Diagnostics diagnostics(progress);
    if (options.followArchives) {
        ArchiveOptions archiveOptions;
        archiveOptions.defaultSearchPath = options.archivePath;
        archiveOptions.limits = options.parse;
        follower.reset(new ArchiveFollower(conditions, diagnostics, archiveOptions));
        follower->parse(options.input.c_str());
    } else {
        parseRib(options.input.c_str(), conditions, diagnostics, options.parse);
    }
    context.finish();
    progress.finish();
    if (frames == 0) {
        std::printf(kNothingDrawn, printable(source).c_str());
        failed = true;
    }
    return failed || context.failed() || diagnostics.count > 0 ? 1 : 0;
}

}  // namespace

int main(int argc, char **argv) {
    Options options;
    int status = parseArguments(argc, argv, options);
    if (status >= 0) return status;
    try {
        return preview(options);
    } catch (const std::bad_alloc &) {
        std::fputs(kOutOfMemory, stderr);
        return 1;
    }
}
