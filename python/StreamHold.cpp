// The lock of each stream written from Python (see StreamHold.h).
#include "python/StreamHold.h"

#include <unordered_map>

namespace quillet {
namespace python {

namespace {

const char kEndedMeanwhile[] = "%s: the stream ended while the call waited for it";
const char kHeldAlready[] = "%s: called on a stream while it writes (from its own write method)";

// The lock of every stream a call has held and that has not been retired.
// Read by threads that hold no interpreter lock, so guarded by its own.
struct StreamLocks {
    std::mutex guard;
    std::unordered_map<RtContextHandle, std::shared_ptr<std::mutex>> locks;
};

StreamLocks &streamLocks() {
    static auto *locks = new StreamLocks;
    return *locks;
}

std::shared_ptr<std::mutex> lockOf(RtContextHandle stream) {
    StreamLocks &all = streamLocks();
    std::lock_guard<std::mutex> hold(all.guard);
    std::shared_ptr<std::mutex> &lock = all.locks[stream];
    if (!lock) lock = std::make_shared<std::mutex>();
    return lock;
}

bool isStillLockOf(RtContextHandle stream, const std::shared_ptr<std::mutex> &lock) {
    StreamLocks &all = streamLocks();
    std::lock_guard<std::mutex> hold(all.guard);
    auto found = all.locks.find(stream);
    return found != all.locks.end() && found->second == lock;
}

thread_local const StreamHold *innermostHold = nullptr;

}  // namespace

// Nobody waits for a stream's lock while holding the interpreter lock: the
// holder may need that back (a write method, the end of a call that
// released it).
StreamHold::StreamHold(RtContextHandle stream, const char *request) : stream(stream), outer(innermostHold) {
    if (heldByThisThread()) raiseError(formatString(kHeldAlready, request));
    lock = lockOf(stream);
    held = std::unique_lock<std::mutex>(*lock, std::try_to_lock);
    if (!held.owns_lock()) {
        py::gil_scoped_release waiting;
        held.lock();
    }
    if (!isStillLockOf(stream, lock) || !isLiveContext(stream))
        raiseError(formatString(kEndedMeanwhile, request), RIE_NOTSTARTED);
    current.emplace(stream);
    innermostHold = this;
}

StreamHold::~StreamHold() {
    innermostHold = outer;
}

bool StreamHold::heldByThisThread() const {
    for (const StreamHold *hold = outer; hold != nullptr; hold = hold->outer)
        if (hold->stream == stream) return true;
    return false;
}

void StreamHold::retire() {
    StreamLocks &all = streamLocks();
    std::lock_guard<std::mutex> hold(all.guard);
    auto found = all.locks.find(stream);
    if (found != all.locks.end() && found->second == lock) all.locks.erase(found);
}

}  // namespace python
}  // namespace quillet
