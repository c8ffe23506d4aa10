// The installed stream context: it reads its option list and passes every
// operation on to the stream it owns.
#include "quillet/RibWriter.h"

#include "ri/ParamList.h"
#include "rib/RibStream.h"
#include "rib/StreamOptions.h"

namespace quillet {

RibWriter::RibWriter(const char *name, ...) {
    QUILLET_PARAM_LIST(list, name);
    stream.reset(new RibStream(name, streamOptionsFromList(list.count(), list.tokens(), list.values())));
    next = stream.get();
}

RibWriter::RibWriter(OpenStream openStream, ...) {
    QUILLET_PARAM_LIST(list, openStream);
    stream.reset(new RibStream(openStream, streamOptionsFromList(list.count(), list.tokens(), list.values())));
    next = stream.get();
}

RibWriter::RibWriter(const char *name, const StreamOptions &options) : stream(new RibStream(name, options)) {
    next = stream.get();
}

RibWriter::~RibWriter() = default;

bool RibWriter::opened() const {
    return stream->opened();
}

void RibWriter::writeBytes(const char *bytes, size_t length) {
    stream->writeBytes(bytes, length);
}

BasisSteps basisSteps(const RenderContext &context) {
    const RibStream *stream = dynamic_cast<const RibStream *>(&context);
    if (const RibWriter *writer = dynamic_cast<const RibWriter *>(&context)) stream = writer->stream.get();
    return stream ? BasisSteps{stream->uStep, stream->vStep} : BasisSteps{};
}

}  // namespace quillet
