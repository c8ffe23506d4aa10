#include "parse/ByteInput.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <vector>

#ifdef QUILLET_HAVE_ZLIB
#include <zlib.h>
#endif

namespace quillet {

namespace {

const unsigned char kGzipMagic[] = {0x1F, 0x8B};
const char kReadError[] = "read error: ";
[[maybe_unused]] const char kNoZlib[] = "gzip-compressed input cannot be read: built without zlib";
const char kCorruptGzip[] = "gzip data is corrupt: ";
const char kTruncatedGzip[] = "gzip data ends early";
const size_t kRawChunk = 1 << 16;

class FileInput : public ByteInput {
public:
    explicit FileInput(FILE *stream) : in(stream) {}

protected:
    // A terminal's end of input (Ctrl-D) is seen once: a second read would
    // wait for another.
    size_t readRaw(char *buffer, size_t size) override {
        if (std::feof(in)) return 0;
        size_t got = std::fread(buffer, 1, size, in);
        if (got == 0 && std::ferror(in) && problem.empty()) problem = std::string(kReadError) + std::strerror(errno);
        return got;
    }

private:
    FILE *in;
};

class MemoryInput : public ByteInput {
public:
    MemoryInput(const void *data, size_t size) : bytes(static_cast<const char *>(data)), left(data ? size : 0) {}

protected:
    size_t readRaw(char *buffer, size_t size) override {
        size_t n = size < left ? size : left;
        std::memcpy(buffer, bytes, n);
        bytes += n;
        left -= n;
        return n;
    }

private:
    const char *bytes;
    size_t left;
};

}  // namespace

#ifdef QUILLET_HAVE_ZLIB
// One gzip member after another until the raw input ends.
class ByteInput::Inflater {
public:
    Inflater() : raw(kRawChunk) {
        std::memset(&z, 0, sizeof z);
        ready = inflateInit2(&z, 16 + MAX_WBITS) == Z_OK;
    }
    ~Inflater() {
        if (ready) inflateEnd(&z);
    }
    z_stream z;
    std::vector<char> raw;
    bool ready;
    bool memberOpen = false;  // inside a member that has not ended
    bool rawEnded = false;
};
#else
class ByteInput::Inflater {};
#endif

std::unique_ptr<ByteInput> ByteInput::fromFile(FILE *stream) {
    return std::unique_ptr<ByteInput>(new FileInput(stream));
}

std::unique_ptr<ByteInput> ByteInput::fromMemory(const void *data, size_t size) {
    return std::unique_ptr<ByteInput>(new MemoryInput(data, size));
}

ByteInput::~ByteInput() = default;

size_t ByteInput::read(char *buffer, size_t size) {
    if (!started) {
        started = true;
        char first[2];
        size_t got = readRaw(first, sizeof first);
        if (got == 1) got += readRaw(first + 1, 1);
        head.assign(first, got);
        if (got == 2 && std::memcmp(first, kGzipMagic, 2) == 0) {
#ifdef QUILLET_HAVE_ZLIB
            inflater.reset(new Inflater());
#else
            problem = kNoZlib;
            return 0;
#endif
        }
    }
    if (inflater) return readInflated(buffer, size);
    if (headUsed < head.size()) {
        size_t n = std::min(size, head.size() - headUsed);
        std::memcpy(buffer, head.data() + headUsed, n);
        headUsed += n;
        return n;
    }
    return problem.empty() ? readRaw(buffer, size) : 0;
}

#ifdef QUILLET_HAVE_ZLIB
size_t ByteInput::readInflated(char *buffer, size_t size) {
    Inflater &f = *inflater;
    if (!f.ready || !problem.empty()) return 0;
    f.z.next_out = reinterpret_cast<Bytef *>(buffer);
    f.z.avail_out = static_cast<uInt>(size);
    while (f.z.avail_out == size) {
        if (f.z.avail_in == 0) {
            size_t got = 0;
            if (headUsed < head.size()) {
                got = head.size() - headUsed;
                std::memcpy(f.raw.data(), head.data() + headUsed, got);
                headUsed = head.size();
            } else if (!f.rawEnded) {
                got = readRaw(f.raw.data(), f.raw.size());
            }
            if (got == 0) {
                f.rawEnded = true;
                if (f.memberOpen && problem.empty()) problem = kTruncatedGzip;
                break;
            }
            f.z.next_in = reinterpret_cast<Bytef *>(f.raw.data());
            f.z.avail_in = static_cast<uInt>(got);
        }
        if (!f.memberOpen) {
            // Bytes after a member are the next member.
            inflateReset(&f.z);
            f.memberOpen = true;
        }
        int status = inflate(&f.z, Z_NO_FLUSH);
        if (status == Z_STREAM_END) {
            f.memberOpen = false;
        } else if (status != Z_OK && status != Z_BUF_ERROR) {
            problem = std::string(kCorruptGzip) + (f.z.msg ? f.z.msg : "inflate failed");
            break;
        }
    }
    return size - f.z.avail_out;
}
#else
size_t ByteInput::readInflated(char *, size_t) {
    return 0;
}
#endif

}  // namespace quillet
