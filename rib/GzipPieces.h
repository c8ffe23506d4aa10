// Gzip output in pieces: the bytes of a stream are gathered into pieces of
// 1 MB, and each piece is compressed on its own into one gzip member. Members
// in a row are one gzip file to every reader (gzip -d, zlib's gzread,
// Python's gzip module, the library's parser), and a piece compresses at
// libdeflate's speed without a streaming state.
#ifndef QUILLET_GZIPPIECES_H
#define QUILLET_GZIPPIECES_H

#include <cstddef>
#include <functional>
#include <memory>
#include <vector>

namespace quillet {

class GzipPieces {
public:
    // Where the compressed members go; false when they could not be taken.
    using Sink = std::function<bool(const char *bytes, size_t length)>;

    static const size_t kPieceSize = size_t(1) << 20;
    // Level 1 compresses the measured streams within 3x the time of writing
    // them plain (the README's figures); higher levels are smaller and slower.
    static const int kDefaultLevel = 1;
    static const int kLowestLevel = 0;  // stored, not compressed
    static const int kHighestLevel = 12;

    // False when the library was built without libdeflate.
    static bool available();
    static bool isLevel(int level) { return level >= kLowestLevel && level <= kHighestLevel; }

    GzipPieces(int level, Sink sink);
    ~GzipPieces();
    GzipPieces(const GzipPieces &) = delete;
    GzipPieces &operator=(const GzipPieces &) = delete;

    // False once the sink has refused a member (or compressing failed).
    bool write(const char *bytes, size_t length);
    // The bytes held so far as a member of their own (none when no bytes
    // are held): a reader gets everything written before it.
    bool flush();
    // The last member; a stream that wrote nothing gets one empty member,
    // so that it is still a gzip file.
    bool finish();

private:
    bool compressPiece();

    struct Compressor;
    std::unique_ptr<Compressor> compressor;
    Sink sink;
    std::vector<char> piece, compressed;
    size_t held = 0;
    bool anyMember = false;
    bool failed = false;
};

}  // namespace quillet

#endif
