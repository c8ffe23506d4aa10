// The lock of each stream written from Python (see StreamHold.h).
#include "python/StreamHold.h"

#include <unordered_map>

namespace quillet {
namespace python {

namespace {

const char kEndedMeanwhile[] = "%s: the stream ended while the call waited for it";
const char kHeldAlready[] = "%s: called on a stream while it writes (from its own write method)";

// The lock of every stream that Python has reached and that has not been
// retired. Read by threads that hold no interpreter lock, so guarded by its
// own.
struct StreamLocks {
    std::mutex guard;
    std::unordered_map<RtContextHandle, std::shared_ptr<StreamLock>> locks;
};

StreamLocks &streamLocks() {
    static auto *locks = new StreamLocks;
    return *locks;
}

thread_local const StreamHold *innermostHold = nullptr;

}  // namespace

StreamRef::StreamRef(RtContextHandle handle) : streamHandle(handle) {
    if (handle == nullptr) return;
    StreamLocks &all = streamLocks();
    std::lock_guard<std::mutex> hold(all.guard);
    std::shared_ptr<StreamLock> &found = all.locks[handle];
    if (!found) found = std::make_shared<StreamLock>();
    lock = found;
}

// Nobody waits for a stream's lock while holding the interpreter lock: the
// holder may need that back (a write method, the end of a call that
// released it). A stream that ended elsewhere is not live any more.
StreamHold::StreamHold(const StreamRef &stream, const char *request) : stream(stream), outer(innermostHold) {
    if (heldByThisThread()) raiseError(formatString(kHeldAlready, request));
    held = std::unique_lock<std::mutex>(stream.lock->mutex, std::try_to_lock);
    if (!held.owns_lock()) {
        py::gil_scoped_release waiting;
        held.lock();
    }
    if (stream.ended() || !isLiveContext(stream.handle()))
        raiseError(formatString(kEndedMeanwhile, request), RIE_NOTSTARTED);
    current.emplace(stream.handle());
    innermostHold = this;
}

StreamHold::~StreamHold() {
    innermostHold = outer;
}

bool StreamHold::heldByThisThread() const {
    for (const StreamHold *hold = outer; hold != nullptr; hold = hold->outer)
        if (hold->stream.handle() == stream.handle()) return true;
    return false;
}

void StreamHold::retire() {
    stream.lock->retired.store(true, std::memory_order_release);
    StreamLocks &all = streamLocks();
    std::lock_guard<std::mutex> hold(all.guard);
    auto found = all.locks.find(stream.handle());
    if (found != all.locks.end() && found->second == stream.lock) all.locks.erase(found);
}

}  // namespace python
}  // namespace quillet
