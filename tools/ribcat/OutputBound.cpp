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
    size_t done = std::fwrite(bytes, 1, size, bound.target);
    bound.written += done;
    return done == size ? static_cast<ssize_t>(size) : -1;
}

int OutputBound::close(void *cookie) {
    OutputBound &bound = *static_cast<OutputBound *>(cookie);
    return std::fflush(bound.target) == 0 ? 0 : EOF;
}

FILE *OutputBound::open(FILE *out) {
    target = out;
    cookie_io_functions_t functions = {nullptr, &OutputBound::write, nullptr, &OutputBound::close};
    return fopencookie(this, "w", functions);
}
