#include "rib/GzipPieces.h"

#include <cstring>

#ifdef QUILLET_HAVE_LIBDEFLATE
#include <libdeflate.h>
#endif

namespace quillet {

#ifdef QUILLET_HAVE_LIBDEFLATE
struct GzipPieces::Compressor {
    explicit Compressor(int level) : state(libdeflate_alloc_compressor(level)) {}
    ~Compressor() {
        if (state) libdeflate_free_compressor(state);
    }
    libdeflate_compressor *state;
};

bool GzipPieces::available() {
    return true;
}

GzipPieces::GzipPieces(int level, Sink sink)
    : compressor(new Compressor(isLevel(level) ? level : kDefaultLevel)), sink(std::move(sink)), piece(kPieceSize) {
    failed = !compressor->state;
    if (!failed) compressed.resize(libdeflate_gzip_compress_bound(compressor->state, kPieceSize));
}

bool GzipPieces::compressPiece() {
    const size_t size =
        libdeflate_gzip_compress(compressor->state, piece.data(), held, compressed.data(), compressed.size());
    held = 0;
    anyMember = true;
    failed = size == 0 || !sink(compressed.data(), size);
    return !failed;
}
#else
struct GzipPieces::Compressor {};

bool GzipPieces::available() {
    return false;
}

GzipPieces::GzipPieces(int, Sink sink) : sink(std::move(sink)) {
    failed = true;
}

bool GzipPieces::compressPiece() {
    return false;
}
#endif

GzipPieces::~GzipPieces() = default;

bool GzipPieces::write(const char *bytes, size_t length) {
    while (length > 0 && !failed) {
        const size_t n = length < kPieceSize - held ? length : kPieceSize - held;
        std::memcpy(piece.data() + held, bytes, n);
        held += n;
        bytes += n;
        length -= n;
        if (held == kPieceSize) compressPiece();
    }
    return !failed;
}

bool GzipPieces::flush() {
    if (!failed && held > 0) compressPiece();
    return !failed;
}

bool GzipPieces::finish() {
    if (!failed && (held > 0 || !anyMember)) compressPiece();
    return !failed;
}

}  // namespace quillet
