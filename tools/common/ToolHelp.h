// What every tool says about its own use: --help (every option with one line
// of meaning, then examples), the one-line report of an option it does not
// understand, and the note that it is waiting for a stream typed at the
// terminal.
#ifndef TOOLS_COMMON_TOOLHELP_H
#define TOOLS_COMMON_TOOLHELP_H

#include <cstdio>
#include <string>
#include <vector>

namespace quillet {
namespace tools {

struct OptionHelp {
    const char *form;     // "-o FILE"
    const char *meaning;  // one line
};

struct ToolHelp {
    const char *program;
    const char *usage;    // the usage lines, each ending in a newline
    const char *purpose;  // one line
    std::vector<OptionHelp> options;
    std::vector<const char *> examples;
};

// Exit status of a command line that is not understood.
const int kUsageStatus = 2;

void printHelp(const ToolHelp &help, std::FILE *out);
// "<program> <version>"
void printVersion(const ToolHelp &help, std::FILE *out);

// "<program>: <problem> (<program> --help lists every option)" on standard
// error; returns kUsageStatus.
int usageError(const ToolHelp &help, const std::string &problem);
// The problems usageError reports.
std::string unknownOption(const std::string &option);
std::string missingValue(const std::string &option, const char *what);
std::string extraArgument(const std::string &argument);
std::string badValue(const std::string &option, const std::string &value, const char *what);

// When the standard input is a terminal, a note on standard error that the
// tool is waiting for a stream typed there.
void noteWaitingForTerminal(const ToolHelp &help);

}  // namespace tools
}  // namespace quillet

#endif
