#include "tests/parse/ParseSupport.h"

#include <cstdio>
#include <cstdlib>

#include "quillet/ri.h"
#include "quillet/RibWriter.h"

using namespace quillet;

namespace {

// A memory stream that a writer can write into; its text once closed.
class MemoryFile {
public:
    MemoryFile() : file(open_memstream(&data, &size)) {}
    ~MemoryFile() { std::free(data); }
    FILE *stream() { return file; }
    std::string close() {
        std::fclose(file);
        return std::string(data, size);
    }

private:
    char *data = nullptr;
    size_t size = 0;
    FILE *file;
};

}  // namespace

void CollectedErrors::error(const RibParseError &error) {
    text += formatRibParseError(error) + "\n";
}

std::string writtenStream(void (*scene)(), bool binary) {
    MemoryFile memory;
    {
        RtInt encoding = binary ? 1 : 0;
        RibWriter writer(RibWriter::OpenStream{memory.stream(), "memory"}, "binary", &encoding, RI_NULL);
        RtContextHandle saved = RiGetContext();
        RiContext(&writer);
        scene();
        RiContext(saved);
    }
    return memory.close();
}

Reparsed reparse(const std::string &input, bool binary, const RibParseLimits &limits) {
    Reparsed out;
    MemoryFile memory;
    {
        RtInt encoding = binary ? 1 : 0;
        RibWriter writer(RibWriter::OpenStream{memory.stream(), "memory"}, "binary", &encoding, RI_NULL);
        CollectedErrors errors;
        out.result = parseRib(input.data(), input.size(), "in", writer, errors, limits);
        out.errors = errors.text;
    }
    out.stream = memory.close();
    return out;
}

Reparsed reparseFollowing(const std::string &path, const ArchiveOptions &options,
                          void (*requests)(RenderContext &follower)) {
    Reparsed out;
    MemoryFile memory;
    {
        RibWriter writer(RibWriter::OpenStream{memory.stream(), "memory"}, RI_NULL);
        CollectedErrors errors;
        ArchiveFollower follower(writer, errors, options);
        out.result = follower.parse(path.c_str());
        if (requests) requests(follower);
        out.errors = errors.text;
    }
    out.stream = memory.close();
    return out;
}
