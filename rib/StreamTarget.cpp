// Targets of a stream, their writes and the report of a stream that did not
// arrive whole.
//
// Files and pipes are written with write(2) on their descriptor: the stream
// has its own buffer, so stdio would only add a second layer. Measured on a
// 2-core machine (stream_bench --targets), write(2) and fwrite into a stdio
// stream given a 256 KB buffer of its own move 256 KB pieces equally fast (glibc
// passes such pieces straight to write(2)); write(2) is kept because it tells
// the error where it happens and never holds bytes back. The standard output
// stream goes through stdio, which the caller's own output to it shares, so
// that both arrive in call order whenever the library flushes.
#include "rib/StreamTarget.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

#include "format/FormatString.h"
#include "format/PrintableText.h"
#include "rib/GzipPieces.h"

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
const char kNoCompression[] = "gzip output is not available in this build (written uncompressed)";

const char *const kPipedPrograms[] = {"raylume", "glimpse", "prman"};

bool isPipedProgram(const char *name) {
    for (const char *program : kPipedPrograms)
        if (std::strcmp(name, program) == 0) return true;
    return false;
}

FILE *openPipe(const char *command) {
    // popen here knows only "w"; a pipe carries bytes unchanged anyway.
    FILE *stream = popen(command, "w");
    if (!stream) {
        std::fprintf(stderr, kPipeOpenFailed, printableText(command).c_str());
        std::exit(1);
    }
    return stream;
}

// All of length bytes to the descriptor; errno of the failure, or 0.
int writeWhole(int descriptor, const char *bytes, size_t length) {
    while (length > 0) {
        const ssize_t n = ::write(descriptor, bytes, length);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes += n;
        length -= size_t(n);
    }
    return 0;
}

template <typename... Args>
void addCause(std::string &causes, const char *format, Args... args) {
    if (!causes.empty()) causes += kCauseSeparator;
    causes += formatString(format, args...);
}

void addWriteError(std::string &causes, int error) {
    if (error)
        addCause(causes, kWriteErrorBecause, std::strerror(error));
    else
        addCause(causes, "%s", kWriteError);
}

void addPipeStatus(std::string &causes, int status) {
    if (status == -1)
        addCause(causes, kCloseFailed, std::strerror(errno));
    else if (WIFEXITED(status) && WEXITSTATUS(status) != 0)
        addCause(causes, kProgramExited, WEXITSTATUS(status));
    else if (WIFSIGNALED(status))
        addCause(causes, kProgramKilled, WTERMSIG(status));
}

void reportLostStream(const char *name, const std::string &causes) {
    const char *target = name ? name : kStandardOutputName;
    const std::string message = formatString(kStreamLost, printableText(target).c_str(), causes.c_str());
    RiErrorPrint(RIE_SYSTEM, RIE_ERROR, message.c_str());
}

}  // namespace

bool isFileTarget(const char *name) {
    return name && !isPipedProgram(name) && name[0] != '|';
}

void StreamTarget::open(const char *&name, RtInt &isPipe) {
    if (!name) {
        stream = stdout;
        return;
    }
    if (!isFileTarget(name)) {
        if (name[0] == '|') ++name;
        stream = openPipe(name);
        pipe = true;
        isPipe = 1;
        return;
    }
    stream = std::fopen(name, "wb");
    if (!stream) {
        std::fputs(kFileOpenFailed, stderr);
        std::exit(1);
    }
}

StreamTarget::StreamTarget() = default;
StreamTarget::~StreamTarget() = default;

void StreamTarget::compress(int level) {
    if (!GzipPieces::available()) {
        RiErrorPrint(RIE_UNIMPLEMENT, RIE_WARNING, kNoCompression);
        return;
    }
    gzip.reset(new GzipPieces(level, [this](const char *bytes, size_t length) {
        writePlain(bytes, length);
        return !writeFailed;
    }));
}

void StreamTarget::adopt(FILE *callers) {
    stream = callers;
    borrowed = true;
}

void StreamTarget::write(const char *bytes, size_t length) {
    if (gzip) {
        if (stream && !writeFailed) gzip->write(bytes, length);
        return;
    }
    writePlain(bytes, length);
}

void StreamTarget::writePlain(const char *bytes, size_t length) {
    if (!stream || writeFailed || length == 0) return;
    if (stream == stdout || borrowed) {
        writeFailed = std::fwrite(bytes, 1, length, stream) != length;
        return;
    }
    writeError = writeWhole(fileno(stream), bytes, length);
    writeFailed = writeError != 0;
}

void StreamTarget::flush() {
    if (gzip && stream && !writeFailed) gzip->flush();
    if ((stream == stdout || borrowed) && !writeFailed) writeFailed = std::fflush(stream) != 0;
}

void StreamTarget::end(const char *name) {
    if (!stream) return;
    if (gzip && !writeFailed) gzip->finish();
    std::string causes;
    if (borrowed) {
        if (writeFailed || std::fflush(stream) != 0 || std::ferror(stream)) addWriteError(causes, 0);
    } else if (stream == stdout) {
        // Never closed or flushed here: only what has failed so far is known.
        if (writeFailed || std::ferror(stream)) addWriteError(causes, 0);
    } else {
        if (writeFailed) addWriteError(causes, writeError);
        if (pipe)
            addPipeStatus(causes, pclose(stream));
        else if (std::fclose(stream) != 0 && !writeFailed)
            // After a write error the close may repeat it; report the first only.
            addCause(causes, kCloseFailed, std::strerror(errno));
    }
    stream = nullptr;
    if (!causes.empty()) reportLostStream(name, causes);
}

}  // namespace quillet
