// Fuzz target: ribcat --indent. Indenting adds blanks only: the indented
// stream, read again and written plainly, equals the plain stream (for
// streams without declarations). The first byte picks the encoding and the
// spaces a level (0 to 15).
#include "fuzz/ParsedStreams.h"
#include "tools/ribcat/IndentingContext.h"

using namespace fuzzing;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0) return 0;
    const bool binary = data[0] & 1;
    const int spaces = (data[0] >> 1) & 15;
    Rewritten indented = rewrite(data + 1, size - 1, binary, [&](quillet::RibWriter &writer) {
        return std::unique_ptr<quillet::RenderContext>(new IndentingContext(writer, spaces));
    });
    Rewritten plain = rewrite(data + 1, size - 1, binary);
    Rewritten reread = rewrite(indented.stream, binary);
    if (!plain.declared && !reread.declared) require(reread.stream == plain.stream);
    return 0;
}
