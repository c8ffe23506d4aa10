// The stream of an Ri object (see RiObject.h).
#include "python/RiObject.h"

#include "ri/CurrentContext.h"

namespace quillet {
namespace python {

namespace {

// The archive that write_archive is writing on this thread, if any.
thread_local RtContextHandle archiveOfThread = nullptr;

}  // namespace

RtContextHandle Ri::stream() const {
    if (archiveOfThread != nullptr) return archiveOfThread;
    if (own != nullptr) return isLiveContext(own) ? own : nullptr;
    return RiGetContext();
}

bool Ri::streamEnded() const {
    return archiveOfThread == nullptr && own != nullptr && !isLiveContext(own);
}

void Ri::choose(RtContextHandle stream) {
    own = stream;
    ++changes;
}

ArchiveRedirection::ArchiveRedirection(RtContextHandle archive) : outer(archiveOfThread) {
    archiveOfThread = archive;
}

ArchiveRedirection::~ArchiveRedirection() {
    archiveOfThread = outer;
}

}  // namespace python
}  // namespace quillet
