// Fuzz target: the RIB parser on arbitrary bytes, written through a
// RibWriter. What it writes must parse and write again to the same bytes:
// parse(write(parse(x))) == write(parse(x)). The first byte picks the
// encoding of the writer.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "quillet/ForwardingContext.h"
#include "quillet/RibParser.h"
#include "quillet/RibWriter.h"

using namespace quillet;

namespace {

void require(bool condition) {
    if (!condition) __builtin_trap();
}

class Quiet : public RibDiagnostics {
public:
    void error(const RibParseError &) override {}
};

// Declarations outlive a parse in the process-wide table, so a stream that
// declares can read differently the second time: those are not compared.
class DeclareSpotter : public ForwardingContext {
public:
    explicit DeclareSpotter(RenderContext &next) : ForwardingContext(&next) {}
    RtToken Declare(const char *name, const char *declaration) override {
        declared = true;
        return ForwardingContext::Declare(name, declaration);
    }
    bool declared = false;
};

// write(parse(input)); declared tells whether the stream declared anything.
std::string rewrite(const uint8_t *data, size_t size, bool binary, bool &declared) {
    char *text = nullptr;
    size_t length = 0;
    FILE *memory = open_memstream(&text, &length);
    {
        RtInt encoding = binary ? 1 : 0;
        RibWriter writer(RibWriter::OpenStream{memory, "fuzz"}, "binary", &encoding, RI_NULL);
        DeclareSpotter spotter(writer);
        Quiet quiet;
        parseRib(data, size, "fuzz", spotter, quiet);
        declared = spotter.declared;
    }
    std::fclose(memory);
    std::string out(text, length);
    std::free(text);
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    if (size == 0) return 0;
    bool binary = data[0] & 1;
    bool declared = false, declaredAgain = false;
    std::string once = rewrite(data + 1, size - 1, binary, declared);
    std::string twice = rewrite(reinterpret_cast<const uint8_t *>(once.data()), once.size(), binary, declaredAgain);
    if (!declared) require(twice == once);
    return 0;
}
