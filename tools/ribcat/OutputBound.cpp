#include "tools/ribcat/OutputBound.h"

#include <sys/types.h>

uint64_t OutputBound::allowed() const {
    const uint64_t input = inputDone + inputNow;
    const uint64_t limit = UINT64_MAX - kAllowance;
    return (input > limit / ratio ? limit : input * ratio) + kAllowance;
}

ssize_t OutputBound::write(void *cookie, const char *bytes, size_t size) {
    OutputBound &bound = *static_cast<OutputBound *>(cookie);
    if (bound.over || size > bound.allowed() - bound.written) {
        bound.over = true;
        return static_cast<ssize_t>(size);  // dropped; the parse ends at the next request
    }
    if (!bound.sink(bytes, size)) return -1;
    bound.written += size;
    return static_cast<ssize_t>(size);
}

FILE *OutputBound::open() {
    cookie_io_functions_t functions = {nullptr, &OutputBound::write, nullptr, nullptr};
    return fopencookie(this, "w", functions);
}
