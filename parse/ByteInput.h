// The bytes of a stream, read in pieces from a FILE * or from memory. Input
// that starts with the gzip magic bytes is inflated on the way.
#ifndef QUILLET_BYTEINPUT_H
#define QUILLET_BYTEINPUT_H

#include <cstddef>
#include <cstdio>
#include <memory>
#include <string>

namespace quillet {

class ByteInput {
public:
    static std::unique_ptr<ByteInput> fromFile(FILE *stream);
    static std::unique_ptr<ByteInput> fromMemory(const void *data, size_t size);
    virtual ~ByteInput();

    // Up to size bytes into buffer; 0 at the end or on an error.
    size_t read(char *buffer, size_t size);
    // Why reading stopped early; empty when the input simply ended.
    const std::string &failure() const { return problem; }

protected:
    // The raw bytes, before any inflating.
    virtual size_t readRaw(char *buffer, size_t size) = 0;
    std::string problem;

private:
    class Inflater;
    size_t readInflated(char *buffer, size_t size);

    bool started = false;
    std::string head;  // raw bytes read to look for the magic
    size_t headUsed = 0;
    std::unique_ptr<Inflater> inflater;
};

}  // namespace quillet

#endif
