// The stream of an Ri object (see RiObject.h).
#include "python/RiObject.h"

namespace quillet {
namespace python {

namespace {

// The archive that write_archive is writing on this thread, if any.
thread_local const StreamRef *archiveOfThread = nullptr;

}  // namespace

StreamRef Ri::stream() const {
    if (archiveOfThread != nullptr) return *archiveOfThread;
    if (own.handle() != nullptr) return own;
    return StreamRef(RiGetContext());
}

RtContextHandle Ri::streamHandle() const {
    if (archiveOfThread != nullptr) return archiveOfThread->handle();
    if (own.handle() != nullptr) return own.handle();
    return RiGetContext();
}

void Ri::choose(RtContextHandle stream) {
    own = StreamRef(stream);
    ++changes;
}

ArchiveRedirection::ArchiveRedirection(RtContextHandle archive) : archive(archive), outer(archiveOfThread) {
    archiveOfThread = &this->archive;
}

ArchiveRedirection::~ArchiveRedirection() {
    archiveOfThread = outer;
}

}  // namespace python
}  // namespace quillet
