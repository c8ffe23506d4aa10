// A progress line on standard error for long work: shown only when standard
// error is a terminal and the work has taken over a second, redrawn in place
// at most a few times a second, and cleared when the work ends.
#ifndef TOOLS_COMMON_PROGRESS_H
#define TOOLS_COMMON_PROGRESS_H

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

namespace quillet {
namespace tools {

class Progress {
public:
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    // Shows on standard error when it is a terminal.
    explicit Progress(const char *program);
    // Shows on out when terminal is set, reading the time from clock.
    Progress(const char *program, std::FILE *out, bool terminal, Clock clock);
    ~Progress();
    Progress(const Progress &) = delete;
    Progress &operator=(const Progress &) = delete;

    // Whether it is time to draw: cheap enough to ask at every request.
    bool due();
    // The work's state, e.g. "scene.rib: 12.5 MB of 40.0 MB read"; drawn
    // when it is due.
    void update(const std::string &state);
    // Clears the line, if one was drawn.
    void finish();

private:
    const char *program;
    std::FILE *out;
    bool terminal;
    Clock clock;
    std::chrono::steady_clock::time_point started, lastDrawn;
    size_t drawnLength = 0;
};

// "12.5 MB read", or "12.5 MB of 40.0 MB read" when the total is known (not 0).
std::string bytesRead(size_t bytes, size_t total);

// The bytes that reading a stream will pass through: the size of a regular
// file that is not gzip-compressed ("-" is the standard input), else 0.
size_t plainStreamSize(const char *path);

// The progress of reading streams, and of the frames drawn from them when
// frames are counted: "scene.rib: 2 frames drawn, 12.5 MB of 40.0 MB read".
class ReadProgress {
public:
    ReadProgress(const char *program, bool countFrames) : progress(program), countFrames(countFrames) {}
    // A new stream: its name for the line, its path ("-" standard input).
    void start(const std::string &name, const char *path);
    // Reading has reached offset bytes.
    void at(size_t offset);
    void frameDrawn() { ++frames; }
    void finish() { progress.finish(); }

private:
    Progress progress;
    bool countFrames;
    std::string name;
    size_t total = 0, offset = 0;
    int frames = 0;
};

}  // namespace tools
}  // namespace quillet

#endif
