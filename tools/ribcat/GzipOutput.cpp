#include "tools/ribcat/GzipOutput.h"

#include <unistd.h>

#ifdef QUILLET_HAVE_ZLIB
#include <zlib.h>

namespace {

ssize_t writeCompressed(void *cookie, const char *bytes, size_t size) {
    if (size == 0) return 0;
    int written = gzwrite(static_cast<gzFile>(cookie), bytes, static_cast<unsigned>(size));
    return written <= 0 ? -1 : written;
}

int closeCompressed(void *cookie) {
    return gzclose(static_cast<gzFile>(cookie)) == Z_OK ? 0 : -1;
}

}  // namespace

FILE *openGzipOutput(FILE *out) {
    std::fflush(out);
    int fd = dup(fileno(out));
    if (fd < 0) return nullptr;
    gzFile compressed = gzdopen(fd, "wb");
    if (!compressed) {
        close(fd);
        return nullptr;
    }
    cookie_io_functions_t functions = {nullptr, writeCompressed, nullptr, closeCompressed};
    FILE *stream = fopencookie(compressed, "w", functions);
    if (!stream) gzclose(compressed);
    return stream;
}

#else

FILE *openGzipOutput(FILE *) {
    return nullptr;
}

#endif
