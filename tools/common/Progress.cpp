#include "tools/common/Progress.h"

#include <sys/stat.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstring>

#include "format/FormatString.h"

namespace quillet {
namespace tools {

namespace {

const std::chrono::milliseconds kQuietFor(1000);
const std::chrono::milliseconds kRedrawEvery(200);
const char kLine[] = "\r%s: %s";
const char kClear[] = "\r%*s\r";
const char kBytesRead[] = "%.1f MB read";
const char kBytesOfTotalRead[] = "%.1f MB of %.1f MB read";
const char kFramesDrawn[] = "%s: %d frame%s drawn, %s";
const char kNamed[] = "%s: %s";
const double kMegabyte = 1e6;
const unsigned char kGzipMagic[] = {0x1F, 0x8B};
const char kStandardInput[] = "-";

}  // namespace

Progress::Progress(const char *program)
    : Progress(program, stderr, isatty(STDERR_FILENO) == 1, [] { return std::chrono::steady_clock::now(); }) {}

Progress::Progress(const char *program, std::FILE *out, bool terminal, Clock clock)
    : program(program), out(out), terminal(terminal), clock(std::move(clock)) {
    if (terminal) started = lastDrawn = this->clock();
}

Progress::~Progress() {
    finish();
}

bool Progress::due() {
    if (!terminal) return false;
    const auto now = clock();
    return now - started >= kQuietFor && (drawnLength == 0 || now - lastDrawn >= kRedrawEvery);
}

void Progress::update(const std::string &state) {
    if (!due()) return;
    lastDrawn = clock();
    std::string line = formatString(kLine, program, state.c_str());
    // A shorter line leaves no tail of the one before.
    if (line.size() < drawnLength + 1) line.append(drawnLength + 1 - line.size(), ' ');
    std::fputs(line.c_str(), out);
    std::fflush(out);
    drawnLength = line.size() - 1;  // the columns now in use, past the carriage return
}

void Progress::finish() {
    if (drawnLength == 0) return;
    std::fprintf(out, kClear, static_cast<int>(drawnLength), "");
    std::fflush(out);
    drawnLength = 0;
}

std::string bytesRead(size_t bytes, size_t total) {
    if (total == 0) return formatString(kBytesRead, bytes / kMegabyte);
    return formatString(kBytesOfTotalRead, bytes / kMegabyte, total / kMegabyte);
}

size_t plainStreamSize(const char *path) {
    const bool standardInput = std::strcmp(path, kStandardInput) == 0;
    const int descriptor = standardInput ? STDIN_FILENO : ::open(path, O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) return 0;
    struct stat file;
    unsigned char magic[sizeof kGzipMagic] = {};
    size_t size = 0;
    if (fstat(descriptor, &file) == 0 && S_ISREG(file.st_mode)) {
        const bool gzip = pread(descriptor, magic, sizeof magic, 0) == static_cast<ssize_t>(sizeof magic) &&
                          std::memcmp(magic, kGzipMagic, sizeof magic) == 0;
        if (!gzip) size = static_cast<size_t>(file.st_size);
    }
    if (!standardInput) close(descriptor);
    return size;
}

void ReadProgress::start(const std::string &streamName, const char *path) {
    name = streamName;
    total = plainStreamSize(path);
    offset = 0;
}

void ReadProgress::at(size_t reached) {
    offset = reached;
    if (!progress.due()) return;
    const std::string read = bytesRead(offset, total);
    if (countFrames)
        progress.update(formatString(kFramesDrawn, name.c_str(), frames, frames == 1 ? "" : "s", read.c_str()));
    else
        progress.update(formatString(kNamed, name.c_str(), read.c_str()));
}

}  // namespace tools
}  // namespace quillet
