// glimpse: previews a RIB stream. Reads the stream from a file or the
// standard input, ray casts every world block, writes each picture as a PNG
// and shows it in the terminal when the standard output is one.
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "ImageOutput.h"
#include "RibReader.h"
#include "Scene.h"

namespace {

const char kUsage[] = "usage: glimpse [-o FILE.png] [FILE.rib]\n";
const char kSummary[] = "glimpse: %dx%d, drawn: %s; skipped: %s; wrote %s\n";
const char kNothingDrawn[] = "glimpse: %s has no world block: nothing drawn\n";
const char kDefaultOutput[] = "glimpse.png";
const int kPreviewColumns = 80;

struct Options {
    std::string input = "-";
    std::string output;
};

void complain(const std::string &text) {
    std::fprintf(stderr, "glimpse: %s\n", text.c_str());
}

// "picture.png" for the first frame that writes it, "picture-2.png" for the
// second frame, and so on.
std::string uniqueName(const std::string &name, int frame, std::set<std::string> &written) {
    std::string result = name;
    if (written.count(result)) {
        size_t dot = name.find_last_of('.');
        size_t slash = name.find_last_of('/');
        if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) dot = name.size();
        result = name.substr(0, dot) + "-" + std::to_string(frame) + name.substr(dot);
    }
    written.insert(result);
    return result;
}

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

}  // namespace

int main(int argc, char **argv) {
    Options options;
    int status = parseArguments(argc, argv, options);
    if (status >= 0) return status;

    std::string source = options.input == "-" ? "<stdin>" : options.input;
    std::string data, error;
    if (!readRibInput(options.input, data, error)) {
        complain(error);
        return 1;
    }

    bool failed = false;
    bool terminal = isatty(STDOUT_FILENO) == 1;
    std::set<std::string> written;
    Scene scene([&](const Frame &frame, const Tally &drawn, const Tally &skipped) {
        Image image = renderFrame(frame);
        const Camera &camera = frame.camera;
        std::string name = !options.output.empty()                                       ? options.output
                           : camera.displayType == "file" && !camera.displayName.empty() ? camera.displayName
                                                                                         : kDefaultOutput;
        name = uniqueName(name, scene.framesRendered() + 1, written);
        std::string problem;
        if (!writePng(image, name, problem)) {
            complain(problem);
            failed = true;
            name = "nothing (" + problem + ")";
        }
        if (terminal) printTerminalPreview(image, kPreviewColumns, stdout);
        std::printf(kSummary, image.width, image.height, drawn.text().c_str(), skipped.text().c_str(), name.c_str());
        std::fflush(stdout);
    });

    RibReader reader(std::move(data), [&](const RibError &e) { complain(formatRibError(source, e)); });
    RibRequest request;
    while (reader.next(request)) {
        if (request.kind == RibRequest::Kind::Comment) continue;
        const RequestShape *shape = findRequestShape(request.keyword);
        if (!shape) {
            scene.skip(request.keyword);
            continue;
        }
        SplitRequest split;
        std::string problem;
        if (!splitRequest(request, *shape, split, problem) ||
            (scene.apply(request.keyword, split) == Scene::Outcome::Problem && !(problem = scene.problem()).empty())) {
            complain(source + ":" + std::to_string(request.line) + ": " + request.keyword + ": " + problem);
            failed = true;
        }
    }
    scene.finish();
    if (scene.framesRendered() == 0) {
        std::printf(kNothingDrawn, source.c_str());
        failed = true;
    }
    return failed || reader.errorCount() > 0 ? 1 : 0;
}
