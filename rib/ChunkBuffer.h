// A fixed buffer on the caller's stack that gathers the text and bytes of one
// write and hands them to the stream in large chunks, so that no value costs
// a call into stdio of its own.
#ifndef QUILLET_CHUNKBUFFER_H
#define QUILLET_CHUNKBUFFER_H

#include <cstddef>
#include <cstdint>
#include <cstdio>

// Longest decimal text of a 32-bit integer: sign and ten digits.
const size_t kInt32TextMax = 11;
// Writes the decimal text of value (no terminator); returns its length. text
// must have room for kInt32TextMax bytes, which may all be overwritten.
size_t formatInt32(char *text, int32_t value);

class ChunkBuffer {
public:
    static const size_t kSize = 4096;

    explicit ChunkBuffer(FILE *stream) : stream(stream), used(0) {}
    ~ChunkBuffer() { flush(); }
    ChunkBuffer(const ChunkBuffer &) = delete;
    ChunkBuffer &operator=(const ChunkBuffer &) = delete;

    void put(char c) {
        if (used == kSize) flush();
        data[used++] = c;
    }
    void put(const char *bytes, size_t length);
    // Room for n bytes (n <= kSize) at the returned address; commit what was used.
    char *reserve(size_t n) {
        if (kSize - used < n) flush();
        return data + used;
    }
    void commit(size_t n) { used += n; }

    // The characters of a string as RIB reads them between double quotes:
    // '"' becomes \", '\' becomes \\ and a newline \n. Null writes nothing.
    void putEscaped(const char *text);
    // A string between double quotes, escaped; null gives "".
    void putQuoted(const char *text);
    // printf's "%g" of the value.
    void putGeneral(float value);
    void putGeneral(double value);
    void putInt(long value);

    // Hands the gathered bytes to the stream (dropped when there is none).
    void flush();

private:
    FILE *stream;
    size_t used;
    char data[kSize];
};

#endif
