// Fuzz target: the archive follower. Arbitrary bytes are read as a stream in
// the small tree of fuzz/archives (nested archives, a gzipped one, a cycle),
// with small bounds, and the flattened stream is written.
#include "fuzz/ParsedStreams.h"
#include "quillet/ArchiveFollower.h"

using namespace fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    writtenBy(false, [&](quillet::RibWriter &writer) {
        quillet::ArchiveOptions options;
        options.depth = 4;
        options.reads = 64;
        options.bytes = 1 << 16;
        Quiet quiet;
        quillet::ArchiveFollower follower(writer, quiet, options);
        follower.parse(data, size, QUILLET_FUZZ_ARCHIVES "/fuzz.rib");
    });
    return 0;
}
