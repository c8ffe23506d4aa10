#include "fuzz/ParsedStreams.h"

#include <cstdio>
#include <cstdlib>

#include "quillet/ForwardingContext.h"

using namespace quillet;

namespace fuzzing {

namespace {

class DeclareSpotter : public ForwardingContext {
public:
    explicit DeclareSpotter(RenderContext &next) : ForwardingContext(&next) {}
    RtToken Declare(const char *name, const char *declaration) override {
        declared = true;
        return ForwardingContext::Declare(name, declaration);
    }
    bool declared = false;
};

}  // namespace

std::string writtenBy(bool binary, const std::function<void(RibWriter &writer)> &requests) {
    char *text = nullptr;
    size_t length = 0;
    FILE *memory = open_memstream(&text, &length);
    {
        RtInt encoding = binary ? 1 : 0;
        RibWriter writer(RibWriter::OpenStream{memory, "fuzz"}, "binary", &encoding, RI_NULL);
        requests(writer);
    }
    std::fclose(memory);
    std::string out(text, length);
    std::free(text);
    return out;
}

Rewritten rewrite(const void *data, size_t size, bool binary, const Wrapper &wrap) {
    Rewritten out;
    out.stream = writtenBy(binary, [&](RibWriter &writer) {
        std::unique_ptr<RenderContext> front = wrap ? wrap(writer) : nullptr;
        DeclareSpotter spotter(front ? *front : static_cast<RenderContext &>(writer));
        Quiet quiet;
        out.result = parseRib(data, size, "fuzz", spotter, quiet);
        out.declared = spotter.declared;
    });
    return out;
}

}  // namespace fuzzing
