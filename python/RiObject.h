// The Python class Ri: the stream its requests are written to.
#ifndef QUILLET_PYTHON_RIOBJECT_H
#define QUILLET_PYTHON_RIOBJECT_H

#include "python/StreamHold.h"
#include "quillet/ri.h"

namespace quillet {
namespace python {

// Each Ri object writes its own stream: the one its Begin opened or its
// Context chose. An object that has done neither follows the calling
// thread's current stream, as the C interface does, so that code which
// begins on one object and makes requests on another keeps working. While
// write_archive runs on a thread, every object's requests on that thread go
// into the archive.
//
// Begin, End and Context count each change of the object's stream, so that
// a request can tell whether its stream changed while it converted values.
class Ri {
public:
    // The stream requests go to now: null for none, and possibly one that
    // has ended since.
    StreamRef stream() const;
    RtContextHandle streamHandle() const;
    // The object's own stream from now on; null to follow the thread's.
    void choose(RtContextHandle stream);
    unsigned long generation() const { return changes; }
    void streamChanged() { ++changes; }

    // The stream this object's last Begin opened, which leaving a with
    // block ends.
    RtContextHandle begun = nullptr;

private:
    StreamRef own;
    unsigned long changes = 0;
};

// While one lives, the calling thread's requests go into the archive,
// whichever object makes them (write_archive).
class ArchiveRedirection {
public:
    explicit ArchiveRedirection(RtContextHandle archive);
    ~ArchiveRedirection();
    ArchiveRedirection(const ArchiveRedirection &) = delete;
    ArchiveRedirection &operator=(const ArchiveRedirection &) = delete;

private:
    StreamRef archive;
    const StreamRef *outer;
};

}  // namespace python
}  // namespace quillet

#endif
