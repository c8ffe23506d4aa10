#include "tools/common/ToolHelp.h"

#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "format/FormatString.h"
#include "quillet/RibParser.h"

namespace quillet {
namespace tools {

namespace {

const char kOptionsHeading[] = "\noptions:\n";
const char kOptionLine[] = "  %-*s  %s\n";
const char kExamplesHeading[] = "\nexamples:\n";
const char kExampleLine[] = "  %s\n";
const char kVersionLine[] = "%s %s\n";
const char kUsageError[] = "%s: %s (%s --help lists every option)\n";
const char kUnknownOption[] = "unknown option \"%s\"";
const char kExtraArgument[] = "unexpected argument \"%s\"";
const char kMissingValue[] = "%s needs %s";
const char kBadValue[] = "%s: \"%s\" is not %s";
const char kWaiting[] = "%s: waiting for a RIB stream on standard input (end it with Ctrl-D, or see %s --help)\n";

// What the user typed, safe to print.
std::string printable(const std::string &text) {
    return printableText(text.data(), text.size());
}

}  // namespace

void printHelp(const ToolHelp &help, std::FILE *out) {
    std::fputs(help.usage, out);
    std::fprintf(out, "\n%s\n", help.purpose);
    int width = 0;
    for (const OptionHelp &option : help.options) width = std::max(width, static_cast<int>(std::strlen(option.form)));
    std::fputs(kOptionsHeading, out);
    for (const OptionHelp &option : help.options) std::fprintf(out, kOptionLine, width, option.form, option.meaning);
    std::fputs(kExamplesHeading, out);
    for (const char *example : help.examples) std::fprintf(out, kExampleLine, example);
}

void printVersion(const ToolHelp &help, std::FILE *out) {
    std::fprintf(out, kVersionLine, help.program, QUILLET_VERSION);
}

int usageError(const ToolHelp &help, const std::string &problem) {
    std::fprintf(stderr, kUsageError, help.program, problem.c_str(), help.program);
    return kUsageStatus;
}

std::string unknownOption(const std::string &option) {
    return formatString(kUnknownOption, printable(option).c_str());
}

std::string extraArgument(const std::string &argument) {
    return formatString(kExtraArgument, printable(argument).c_str());
}

std::string missingValue(const std::string &option, const char *what) {
    return formatString(kMissingValue, option.c_str(), what);
}

std::string badValue(const std::string &option, const std::string &value, const char *what) {
    return formatString(kBadValue, option.c_str(), printable(value).c_str(), what);
}

void noteWaitingForTerminal(const ToolHelp &help) {
    if (isatty(STDIN_FILENO) == 1) std::fprintf(stderr, kWaiting, help.program, help.program);
}

}  // namespace tools
}  // namespace quillet
