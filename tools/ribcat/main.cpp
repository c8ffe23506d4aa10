// ribcat: prints RIB streams as pure ASCII RIB, one request a line, and
// with --check validates every request against its shape and the
// declarations of its parameters.
#include <cstdio>
#include <string>
#include <vector>

#include "RibReader.h"
#include "RibText.h"
#include "StreamChecker.h"

namespace {

const char kUsage[] = "usage: ribcat [--check] [FILE...]\n";

void complain(const std::string &text) {
    std::fprintf(stderr, "ribcat: %s\n", text.c_str());
}

// Prints (or checks) one stream; false when it had any problem.
bool catStream(const std::string &path, bool check) {
    std::string source = path == "-" ? "<stdin>" : path;
    std::string data, error;
    if (!readRibInput(path, data, error)) {
        complain(error);
        return false;
    }
    size_t problems = 0;
    RibReader reader(std::move(data), [&](const RibError &e) { complain(formatRibError(source, e)); });
    StreamChecker checker;
    RibRequest request;
    while (reader.next(request)) {
        if (!check) {
            std::string line = formatRibRequest(request);
            line += '\n';
            std::fwrite(line.data(), 1, line.size(), stdout);
            continue;
        }
        std::vector<std::string> found = checker.check(request);
        for (const std::string &problem : found) complain(source + ":" + std::to_string(request.line) + ": " + problem);
        problems += found.size();
    }
    return problems == 0 && reader.errorCount() == 0;
}

}  // namespace

int main(int argc, char **argv) {
    bool check = false;
    std::vector<std::string> inputs;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--version") {
            std::printf("ribcat %s\n", QUILLET_VERSION);
            return 0;
        }
        if (arg == "-h" || arg == "--help") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (arg == "--check") {
            check = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            std::fputs(kUsage, stderr);
            return 2;
        } else {
            inputs.push_back(arg);
        }
    }
    if (inputs.empty()) inputs.push_back("-");
    bool ok = true;
    for (const std::string &input : inputs) ok = catStream(input, check) && ok;
    return ok ? 0 : 1;
}
