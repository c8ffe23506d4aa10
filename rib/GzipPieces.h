// Gzip output in pieces: the bytes of a stream are gathered into pieces of
// 1 MB, and each piece is compressed on its own into one gzip member. Members
// in a row are one gzip file to every reader (gzip -d, zlib's gzread,
// Python's gzip module, the library's parser), and a piece compresses at
// libdeflate's speed without a streaming state.
//
// Pieces are compressed by helper threads while the writing thread gathers
// the next ones; the writing thread compresses a piece itself when every
// slot is taken, so the memory held stays bounded, and it alone hands the
// members to the sink, in stream order. A piece's member does not depend on
// the thread that made it: the output is the same with any number of helpers.
#ifndef QUILLET_GZIPPIECES_H
#define QUILLET_GZIPPIECES_H

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace quillet {

class ForkGuard;

class GzipPieces {
public:
    // Where the compressed members go; false when they could not be taken.
    using Sink = std::function<bool(const char *bytes, size_t length)>;

    static constexpr size_t kPieceSize = size_t(1) << 20;
    // Level 1 compresses the measured streams within 3x the time of writing
    // them plain (the README's figures); higher levels are smaller and slower.
    static constexpr int kDefaultLevel = 1;
    static constexpr int kLowestLevel = 0;  // stored, not compressed
    static constexpr int kHighestLevel = 12;
    static constexpr unsigned kMostHelpers = 7;

    // False when the library was built without libdeflate.
    static bool available();
    static bool isLevel(int level) { return level >= kLowestLevel && level <= kHighestLevel; }
    // One helper fewer than the processors the system reports, at most
    // kMostHelpers: with the writing thread, every processor compresses.
    static unsigned defaultHelpers();

    // The helper threads start with the first full piece (a short stream
    // never starts them) and end with finish() or the destructor. With no
    // helpers, or at level 0, which only copies, the writing thread
    // compresses every piece.
    GzipPieces(int level, Sink sink, unsigned helpers = defaultHelpers());
    ~GzipPieces();
    GzipPieces(const GzipPieces &) = delete;
    GzipPieces &operator=(const GzipPieces &) = delete;

    // False once the sink has refused a member (or compressing failed).
    bool write(const char *bytes, size_t length);
    // The bytes held so far, the last of them as a member of their own (none
    // when no bytes are held): a reader gets everything written before it.
    bool flush();
    // The last member; a stream that wrote nothing gets one empty member,
    // so that it is still a gzip file. The helpers end here.
    bool finish();

private:
    struct Compressor;
    struct Piece;

    Piece &filling() { return *slots[(oldest + queued) % slots.size()]; }
    // The filling piece joins the queue; then room is made for the next.
    void queueFilling();
    // Writes the finished pieces at the head of the queue, and compresses
    // queued pieces itself, until a slot is free (all: until the queue is
    // empty or the sink has failed).
    void settle(bool all);
    Piece *firstWaiting();
    void startHelpers();
    void stopHelpers();
    void helperLoop();
    void threadsGoneInChild();

    const int level;
    Sink sink;
    std::unique_ptr<Compressor> compressor;  // the writing thread's
    unsigned helpersWanted;

    // Slots in a ring: queued pieces from oldest, then the filling one.
    std::vector<std::unique_ptr<Piece>> slots;
    size_t oldest = 0;
    size_t queued = 0;

    // Shared with the helpers: the pieces' states, oldest and queued.
    std::mutex lock;
    std::condition_variable work;  // a piece is queued, or the helpers stop
    std::condition_variable done;  // a helper finished a piece
    std::vector<std::thread> helpers;
    bool stopping = false;
    std::unique_ptr<ForkGuard> forkGuard;  // while helpers run

    bool anyMember = false;
    bool failed = false;
};

}  // namespace quillet

#endif
