#include "rib/GzipPieces.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <system_error>

#include "rib/ForkGuard.h"

#ifdef QUILLET_HAVE_LIBDEFLATE
#include <libdeflate.h>
#endif

namespace quillet {

struct GzipPieces::Piece {
    enum State { kFilling, kWaiting, kCompressing, kDone };

    std::vector<char> bytes = std::vector<char>(kPieceSize);
    size_t held = 0;
    std::vector<char> member;
    size_t memberSize = 0;  // 0 when compressing failed
    State state = kFilling;
};

#ifdef QUILLET_HAVE_LIBDEFLATE
struct GzipPieces::Compressor {
    explicit Compressor(int level) : state(libdeflate_alloc_compressor(level)) {}
    ~Compressor() {
        if (state) libdeflate_free_compressor(state);
    }
    Compressor(const Compressor &) = delete;
    Compressor &operator=(const Compressor &) = delete;

    bool ready() const { return state != nullptr; }
    size_t memberBound() const { return libdeflate_gzip_compress_bound(state, kPieceSize); }
    void compress(Piece &piece) const {
        piece.memberSize =
            libdeflate_gzip_compress(state, piece.bytes.data(), piece.held, piece.member.data(), piece.member.size());
    }

    libdeflate_compressor *state;
};

bool GzipPieces::available() {
    return true;
}
#else
struct GzipPieces::Compressor {
    explicit Compressor(int) {}
    bool ready() const { return false; }
    size_t memberBound() const { return 0; }
    void compress(Piece &piece) const { piece.memberSize = 0; }
};

bool GzipPieces::available() {
    return false;
}
#endif

unsigned GzipPieces::defaultHelpers() {
    const unsigned processors = std::thread::hardware_concurrency();
    return processors > 1 ? std::min(processors - 1, kMostHelpers) : 0;
}

GzipPieces::GzipPieces(int level, Sink sink, unsigned helpers)
    : level(isLevel(level) ? level : kDefaultLevel), sink(std::move(sink)), compressor(new Compressor(this->level)),
      helpersWanted(this->level == kLowestLevel ? 0 : std::min(helpers, kMostHelpers)) {
    failed = !compressor->ready();
    if (failed) return;
    // A piece for each helper, one for the writing thread to compress when
    // all are taken, and the one it fills (about 2 MB a slot); alone, the
    // writing thread compresses each piece as it fills.
    slots.resize(helpersWanted > 0 ? helpersWanted + 2 : 1);
    for (std::unique_ptr<Piece> &slot : slots) {
        slot.reset(new Piece);
        slot->member.resize(compressor->memberBound());
    }
}

GzipPieces::~GzipPieces() {
    stopHelpers();
}

bool GzipPieces::write(const char *bytes, size_t length) {
    while (length > 0 && !failed) {
        Piece &piece = filling();
        const size_t n = std::min(length, kPieceSize - piece.held);
        std::memcpy(piece.bytes.data() + piece.held, bytes, n);
        piece.held += n;
        bytes += n;
        length -= n;
        if (piece.held == kPieceSize) queueFilling();
    }
    return !failed;
}

bool GzipPieces::flush() {
    if (!failed && filling().held > 0) queueFilling();
    if (!failed) settle(true);
    return !failed;
}

bool GzipPieces::finish() {
    if (!failed && (filling().held > 0 || (!anyMember && queued == 0))) queueFilling();
    if (!failed) settle(true);
    stopHelpers();
    return !failed;
}

void GzipPieces::queueFilling() {
    if (helpersWanted > 0 && helpers.empty()) startHelpers();
    {
        std::lock_guard<std::mutex> hold(lock);
        filling().state = Piece::kWaiting;
        ++queued;
    }
    if (!helpers.empty()) work.notify_one();
    settle(false);
}

GzipPieces::Piece *GzipPieces::firstWaiting() {
    for (size_t i = 0; i < queued; ++i) {
        Piece &piece = *slots[(oldest + i) % slots.size()];
        if (piece.state == Piece::kWaiting) return &piece;
    }
    return nullptr;
}

void GzipPieces::settle(bool all) {
    std::unique_lock<std::mutex> hold(lock);
    while (queued > 0 && !failed) {
        Piece &head = *slots[oldest];
        if (head.state == Piece::kDone) {
            hold.unlock();
            anyMember = true;
            failed = head.memberSize == 0 || !sink(head.member.data(), head.memberSize);
            hold.lock();
            head.held = 0;
            head.state = Piece::kFilling;
            oldest = (oldest + 1) % slots.size();
            --queued;
            continue;
        }
        if (!all && queued < slots.size()) return;
        if (Piece *waiting = firstWaiting()) {
            waiting->state = Piece::kCompressing;
            hold.unlock();
            compressor->compress(*waiting);
            hold.lock();
            waiting->state = Piece::kDone;
            continue;
        }
        // Every queued piece is with a helper: wait for the oldest.
        done.wait(hold);
    }
}

void GzipPieces::startHelpers() {
    forkGuard.reset(new ForkGuard(lock, [this] { threadsGoneInChild(); }));
    // A system that refuses threads leaves the work to the writing thread.
    try {
        for (unsigned i = 0; i < helpersWanted; ++i) helpers.emplace_back([this] { helperLoop(); });
    } catch (const std::system_error &) {}
    if (helpers.empty()) {
        helpersWanted = 0;
        forkGuard.reset();
    }
}

void GzipPieces::stopHelpers() {
    if (helpers.empty()) return;
    {
        std::lock_guard<std::mutex> hold(lock);
        stopping = true;
    }
    work.notify_all();
    for (std::thread &helper : helpers) helper.join();
    helpers.clear();
    helpersWanted = 0;
    forkGuard.reset();
}

void GzipPieces::helperLoop() {
    const Compressor own(level);
    if (!own.ready()) return;
    std::unique_lock<std::mutex> hold(lock);
    while (!stopping) {
        Piece *waiting = firstWaiting();
        if (!waiting) {
            work.wait(hold);
            continue;
        }
        waiting->state = Piece::kCompressing;
        hold.unlock();
        own.compress(*waiting);
        hold.lock();
        waiting->state = Piece::kDone;
        done.notify_one();
    }
}

// Only the forking thread lives on in the child: the pieces the helpers had
// taken wait again, for the writing thread to compress, and the helpers and
// the condition variables they waited on are left without being ended (their
// storage is used again).
void GzipPieces::threadsGoneInChild() {
    for (std::unique_ptr<Piece> &slot : slots)
        if (slot->state == Piece::kCompressing) slot->state = Piece::kWaiting;
    new (&helpers) std::vector<std::thread>();
    new (&work) std::condition_variable();
    new (&done) std::condition_variable();
    helpersWanted = 0;
}

}  // namespace quillet
