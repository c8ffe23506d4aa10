// The three standard error handlers and the reporter's process-wide memory.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "quillet/ri.h"

RtInt RiLastError = 0;
const char *ErrorSourceFile = nullptr;
long ErrorSourceLine = 0;
const char *ErrorObjectName = nullptr;

namespace {

const char *const kSeverityNames[] = {"INFO", "WARNING", "ERROR", "SEVERE ERROR"};
const int kSeverityCount = sizeof kSeverityNames / sizeof kSeverityNames[0];

struct CodeText {
    RtInt code;
    const char *text;
};

const CodeText kCodeTexts[] = {
    {RIE_NOMEM, "Memory allocation error"},
    {RIE_SYSTEM, "System error"},
    {RIE_NOFILE, "File not found"},
    {RIE_BADFILE, "Bad file"},
    {RIE_INCAPABLE, "Optional RI feature not implemented"},
    {RIE_UNIMPLEMENT, "Unimplemented feature"},
    {RIE_LIMIT, "Program limit"},
    {RIE_BUG, "Probable bug in renderer"},
    {RIE_NOTSTARTED, "RiBegin not called"},
    {RIE_NESTING, "Nesting error"},
    {RIE_NOTOPTIONS, "Invalid state for declaring options"},
    {RIE_NOTATTRIBS, "Invalid state for declaring attributes"},
    {RIE_NOTPRIMS, "Invalid state for declaring primitives"},
    {RIE_ILLSTATE, "Invalid state"},
    {RIE_BADMOTION, "Bad Motion block"},
    {RIE_BADSOLID, "Bad Solid block"},
    {RIE_BADTOKEN, "Invalid token"},
    {RIE_RANGE, "Parameter out of range"},
    {RIE_CONSISTENCY, "Parameters inconsistent"},
    {RIE_BADHANDLE, "Bad handle"},
    {RIE_NOSHADER, "Cannot load requested shader"},
    {RIE_MISSINGDATA, "Required parameters not provided"},
    {RIE_SYNTAX, "Syntax error"},
    {RIE_MATH, "Math error"},
};

// Messages of this length or longer are printed but not remembered.
const size_t kRememberLimit = 1023;

// Severity at and above which a report ends the process (status -1).
const RtInt kFatalSeverity = RIE_SEVERE;
// Under RiErrorAbort, severity at and above which the process ends.
const RtInt kAbortSeverity = RIE_ERROR;

long lastLine = -1;
char lastMessage[kRememberLimit + 1] = "";
int repeatCount = 0;

const char *codeText(RtInt code) {
    for (const CodeText &entry : kCodeTexts)
        if (entry.code == code) return entry.text;
    return nullptr;
}

// An immediate repeat of the last printed report. A null message counts as
// an empty one; an invalid-token report with a message is always printed.
bool isRepeat(RtInt code, const char *message) {
    return lastLine == ErrorSourceLine && code == RiLastError && code != RIE_NOERROR &&
           !(code == RIE_BADTOKEN && message != nullptr) && std::strcmp(message ? message : "", lastMessage) == 0;
}

void printSeverity(RtInt severity) {
    if (severity >= 0 && severity < kSeverityCount)
        std::fprintf(stderr, "%s: ", kSeverityNames[severity]);
    else  // no name for it: show the number rather than guess a level
        std::fprintf(stderr, "SEVERITY %d: ", severity);
}

void printCode(RtInt code) {
    if (code == RIE_NOERROR) return;
    if (const char *text = codeText(code))
        std::fprintf(stderr, "%s", text);
    else
        std::fprintf(stderr, "code %d", code);
}

void printRepeatCount() {
    if (repeatCount == 0) return;
    std::fprintf(stderr, "    (last message repeated %d times)\n", repeatCount);
    repeatCount = 0;
}

}  // namespace

RtVoid RiErrorIgnore(RtInt code, RtInt, const char *) {
    RiLastError = code;
}

RtVoid RiErrorPrint(RtInt code, RtInt severity, const char *message) {
    if (isRepeat(code, message)) {
        ++repeatCount;
        if (severity < kFatalSeverity) return;
        // Folded, but severe all the same: the count shows what ended the process.
        printRepeatCount();
        std::fflush(stderr);
        std::exit(-1);
    }
    printRepeatCount();
    printSeverity(severity);
    if (ErrorSourceLine > 0)
        std::fprintf(stderr, "%s (%ld): ", ErrorSourceFile ? ErrorSourceFile : "", ErrorSourceLine);
    printCode(code);

    lastMessage[0] = '\0';
    if (message != nullptr) {
        std::fprintf(stderr, "\n    --> %s", message);
        size_t length = std::strlen(message);
        if (length < kRememberLimit) std::memcpy(lastMessage, message, length + 1);
    }
    std::fputc('\n', stderr);
    if (ErrorObjectName != nullptr) std::fprintf(stderr, "\t(error encountered in object \"%s\")\n", ErrorObjectName);
    std::fflush(stderr);

    if (severity >= kFatalSeverity) std::exit(-1);
    RiLastError = code;
    lastLine = ErrorSourceLine;
}

RtVoid RiErrorAbort(RtInt code, RtInt severity, const char *message) {
    RiErrorPrint(code, severity, message);
    if (severity >= kAbortSeverity) std::exit(-1);
}
