// One stream held for one C call made from Python. The interpreter lock may
// be released while a stream is written, so two threads could otherwise
// write one stream at once, or one end it while another writes it: each
// stream has a lock, taken for every call on it.
#ifndef QUILLET_PYTHON_STREAMHOLD_H
#define QUILLET_PYTHON_STREAMHOLD_H

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>

#include "python/Arguments.h"
#include "ri/CurrentContext.h"

namespace quillet {
namespace python {

struct StreamLock {
    std::mutex mutex;
    // Set under the mutex once the stream has ended.
    std::atomic<bool> retired{false};
};

// A stream as Python reaches it: its handle and its lock, the one lock of
// that stream until it ends.
class StreamRef {
public:
    StreamRef() = default;
    explicit StreamRef(RtContextHandle handle);

    RtContextHandle handle() const { return streamHandle; }
    // True once the stream has ended through the module.
    bool ended() const { return lock && lock->retired.load(std::memory_order_acquire); }

private:
    friend class StreamHold;
    RtContextHandle streamHandle = nullptr;
    std::shared_ptr<StreamLock> lock;
};

class StreamHold {
public:
    // Waits, without the interpreter lock, while another thread holds the
    // stream, then makes it the calling thread's current context.
    // quillet.Error naming `request` when the stream ended meanwhile, or
    // when this thread holds it already (a write method of the stream
    // making requests on it).
    StreamHold(const StreamRef &stream, const char *request);
    ~StreamHold();
    StreamHold(const StreamHold &) = delete;
    StreamHold &operator=(const StreamHold &) = delete;

    // Once the stream has ended under this hold: a later stream at the same
    // address gets a lock of its own, and threads waiting for this one
    // find the stream ended.
    void retire();

private:
    bool heldByThisThread() const;

    // The caller's, which outlives the hold.
    const StreamRef &stream;
    // The holds this thread made before this one and still keeps.
    const StreamHold *outer;
    std::unique_lock<std::mutex> held;
    std::optional<ThreadContextScope> current;
};

}  // namespace python
}  // namespace quillet

#endif
