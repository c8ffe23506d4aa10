// What the stream-level fuzz targets share: a writer into memory, a parse
// that reports nothing, and the check that a stream declared nothing (the
// process-wide declarations outlive a parse, so a stream that declares, or
// one written with a declaration carried from an earlier input, can read
// differently the second time and is not compared).
#ifndef QUILLET_FUZZ_PARSEDSTREAMS_H
#define QUILLET_FUZZ_PARSEDSTREAMS_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "quillet/RibParser.h"
#include "quillet/RibWriter.h"

namespace fuzzing {

class Quiet : public quillet::RibDiagnostics {
public:
    void error(const quillet::RibParseError &) override { ++count; }
    size_t count = 0;
};

// A failed expectation is a finding.
inline void require(bool condition) {
    if (!condition) __builtin_trap();
}

// The bytes a RibWriter (ASCII or binary) writes while requests runs.
std::string writtenBy(bool binary, const std::function<void(quillet::RibWriter &writer)> &requests);

struct Rewritten {
    std::string stream;
    bool declared = false;  // the stream declared something
    quillet::RibParseResult result;
};
// A context in front of the writer, made for one parse.
using Wrapper = std::function<std::unique_ptr<quillet::RenderContext>(quillet::RibWriter &writer)>;
// write(parse(bytes)), through wrap's context when wrap is given.
Rewritten rewrite(const void *data, size_t size, bool binary, const Wrapper &wrap = nullptr);
inline Rewritten rewrite(const std::string &bytes, bool binary) {
    return rewrite(bytes.data(), bytes.size(), binary);
}

}  // namespace fuzzing

#endif
