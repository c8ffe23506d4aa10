// One stream held for one C call made from Python. The interpreter lock may
// be released while a stream is written, so two threads could otherwise
// write one stream at once, or one end it while another writes it: each
// stream has a lock, taken for every call on it.
#ifndef QUILLET_PYTHON_STREAMHOLD_H
#define QUILLET_PYTHON_STREAMHOLD_H

#include <memory>
#include <mutex>
#include <optional>

#include "python/Arguments.h"
#include "ri/CurrentContext.h"

namespace quillet {
namespace python {

class StreamHold {
public:
    // Waits, without the interpreter lock, while another thread holds the
    // stream, then makes it the calling thread's current context.
    // quillet.Error naming `request` when the stream ended meanwhile, or
    // when this thread holds it already (a write method of the stream
    // making requests on it).
    StreamHold(RtContextHandle stream, const char *request);
    ~StreamHold();
    StreamHold(const StreamHold &) = delete;
    StreamHold &operator=(const StreamHold &) = delete;

    // Once the stream has ended under this hold: a later stream at the same
    // address gets a lock of its own, and threads waiting for this one
    // find the stream ended.
    void retire();

private:
    bool heldByThisThread() const;

    RtContextHandle stream;
    // The holds this thread made before this one and still keeps.
    const StreamHold *outer;
    std::shared_ptr<std::mutex> lock;
    std::unique_lock<std::mutex> held;
    std::optional<ThreadContextScope> current;
};

}  // namespace python
}  // namespace quillet

#endif
