// Targets of a stream and the report of a stream that did not arrive whole.
#include "rib/StreamTarget.h"

#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

namespace quillet {

namespace {

const char kPipeOpenFailed[] = "Error opening pipe to %s\n";
const char kFileOpenFailed[] = "Error making RIB file: bad filename\n";

// The report of a lost stream: the target, then every cause found.
const char kStreamLost[] = "RIB stream to \"%s\" was not written whole: %s";
const char kStandardOutputName[] = "standard output";
const char kWriteError[] = "write error";
const char kWriteErrorBecause[] = "write error (%s)";
const char kCloseFailed[] = "close failed (%s)";
const char kProgramExited[] = "program exited with status %d";
const char kProgramKilled[] = "program ended by signal %d";
const char kCauseSeparator[] = "; ";

// Buffer of a file or pipe target: large writes cost fewer system calls.
const size_t kTargetBufferSize = 1 << 16;

const char *const kPipedPrograms[] = {"raylume", "glimpse", "prman"};

bool isPipedProgram(const char *name) {
    for (const char *program : kPipedPrograms)
        if (std::strcmp(name, program) == 0) return true;
    return false;
}

FILE *openPipe(const char *command, RtInt &isPipe) {
    // popen here knows only "w"; a pipe carries bytes unchanged anyway.
    FILE *stream = popen(command, "w");
    if (!stream) {
        std::fprintf(stderr, kPipeOpenFailed, command);
        std::exit(1);
    }
    std::setvbuf(stream, nullptr, _IOFBF, kTargetBufferSize);
    isPipe = 1;
    return stream;
}

template <typename... Args>
void addCause(std::string &causes, const char *format, Args... args) {
    char text[256];
    std::snprintf(text, sizeof text, format, args...);
    if (!causes.empty()) causes += kCauseSeparator;
    causes += text;
}

void addWriteError(std::string &causes, int error) {
    if (error)
        addCause(causes, kWriteErrorBecause, std::strerror(error));
    else
        addCause(causes, "%s", kWriteError);
}

}  // namespace

FILE *openStreamTarget(const char *&name, RtInt &isPipe) {
    if (!name) return stdout;
    if (isPipedProgram(name)) return openPipe(name, isPipe);
    if (name[0] == '|') {
        ++name;
        return openPipe(name, isPipe);
    }
    FILE *stream = std::fopen(name, "wb");
    if (!stream) {
        std::fputs(kFileOpenFailed, stderr);
        std::exit(1);
    }
    std::setvbuf(stream, nullptr, _IOFBF, kTargetBufferSize);
    return stream;
}

void endStreamTarget(FILE *out, bool isPipe, const char *name) {
    std::string causes;
    if (out == stdout) {
        // Never closed or flushed here: only what has failed so far is known.
        if (std::ferror(out)) addWriteError(causes, 0);
    } else {
        int writeError = 0;
        bool writeFailed = std::ferror(out) != 0;
        if (std::fflush(out) != 0) {
            writeFailed = true;
            writeError = errno;
        }
        if (writeFailed) addWriteError(causes, writeError);
        if (isPipe) {
            const int status = pclose(out);
            if (status == -1)
                addCause(causes, kCloseFailed, std::strerror(errno));
            else if (WIFEXITED(status) && WEXITSTATUS(status) != 0)
                addCause(causes, kProgramExited, WEXITSTATUS(status));
            else if (WIFSIGNALED(status))
                addCause(causes, kProgramKilled, WTERMSIG(status));
        } else if (std::fclose(out) != 0 && !writeFailed) {
            // After a write error the close repeats it; report the first only.
            addCause(causes, kCloseFailed, std::strerror(errno));
        }
    }
    if (causes.empty()) return;
    std::string message(sizeof kStreamLost + std::strlen(name ? name : kStandardOutputName) + causes.size(), '\0');
    const int n =
        std::snprintf(&message[0], message.size(), kStreamLost, name ? name : kStandardOutputName, causes.c_str());
    message.resize(n > 0 ? size_t(n) : 0);
    RiErrorPrint(RIE_SYSTEM, RIE_ERROR, message.c_str());
}

}  // namespace quillet
