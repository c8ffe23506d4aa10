// Fuzz target: the RIB parser on arbitrary bytes, written through a
// RibWriter. What it writes must parse and write again to the same bytes:
// parse(write(parse(x))) == write(parse(x)), for streams without
// declarations. The first byte picks the encoding of the writer.
#include "fuzz/ParsedStreams.h"

using namespace fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0) return 0;
    const bool binary = data[0] & 1;
    Rewritten once = rewrite(data + 1, size - 1, binary);
    Rewritten twice = rewrite(once.stream, binary);
    if (!once.declared && !twice.declared) require(twice.stream == once.stream);
    return 0;
}
