// Fuzz target: the binary writer on parsed input. Written in binary and read
// back, a stream must say what it said: the ASCII text of
// parse(binary(parse(x))) equals the ASCII text of parse(x).
#include "fuzz/ParsedStreams.h"

using namespace fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    Rewritten binary = rewrite(data, size, true);
    Rewritten direct = rewrite(data, size, false);
    Rewritten throughBinary = rewrite(binary.stream, false);
    if (!binary.declared && !throughBinary.declared) require(throughBinary.stream == direct.stream);
    return 0;
}
