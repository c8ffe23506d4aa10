// The lathe sample: one scene piped into the previewer, found beside this
// program or on PATH.
#include <cstdio>
#include <string>

#include "app/GlimpsePath.h"
#include "app/Lathe.h"
#include "tools/common/ToolHelp.h"

namespace {

const quillet::tools::ToolHelp kHelp = {
    "lathe",
    "usage: lathe\n",
    "Describes the sample scene, a lathe object, and pipes it into glimpse (beside lathe, else on PATH),\n"
    "which draws it to glimpse.png and shows it in the terminal.",
    {
        {"-h, --help", "show this help"},
        {"--version", "show the version"},
    },
    {
        "lathe",
    },
};

const char kNoGlimpse[] = "lathe: glimpse is neither beside lathe nor on PATH: nothing drawn (build glimpse, which "
                          "needs libpng, or add its folder to PATH)\n";

}  // namespace

int main(int argc, char **argv) {
    namespace tools = quillet::tools;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "-h" || arg == "--help") {
            tools::printHelp(kHelp, stdout);
            return 0;
        }
        if (arg == "--version") {
            tools::printVersion(kHelp, stdout);
            return 0;
        }
        return tools::usageError(kHelp, arg[0] == '-' ? tools::unknownOption(arg) : tools::extraArgument(arg));
    }
    const std::string glimpse = findGlimpse();
    if (glimpse.empty()) {
        std::fputs(kNoGlimpse, stderr);
        return 1;
    }
    RiBegin(pipeTarget(glimpse).c_str());
    describeLatheScene();
    RiEnd();
    return 0;
}
