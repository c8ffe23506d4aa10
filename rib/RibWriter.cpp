// Life cycle of a RIB stream: the writer opens its target, writes the header
// and has the standard tokens declared; destroying it ends the stream.
#include "quillet/RibWriter.h"

#include "decl/Predeclare.h"
#include "decl/StringPool.h"
#include "format/FloatFormat.h"
#include "ri/ParamList.h"
#include "rib/OutputBuffer.h"
#include "rib/StreamOptions.h"
#include "rib/StreamTarget.h"

namespace quillet {

namespace {

const char kHeader[] = "##RenderMan RIB-Structure 1.0\nversion 3.03\n";

StreamOptions optionsFromList(ParamList &list) {
    StreamOptions options;
    for (RtInt i = 0; i < list.count(); ++i) applyStreamOption(list.tokens()[i], list.values()[i], options, true);
    return options;
}

}  // namespace

RibWriter::RibWriter(const char *name, ...)
    : target(new StreamTarget), out(new OutputBuffer(target.get())), floatPrecision(kDefaultPrecision) {
    QUILLET_PARAM_LIST(list, name);
    const StreamOptions options = optionsFromList(list);
    applyOptions(options);
    if (name) targetName = StringPool::intern(name);
    target->open(targetName, isPipe);
    begin();
}

RibWriter::RibWriter(OpenStream stream, ...)
    : target(new StreamTarget), out(new OutputBuffer(target.get())), floatPrecision(kDefaultPrecision) {
    QUILLET_PARAM_LIST(list, stream);
    applyOptions(optionsFromList(list));
    if (stream.name) targetName = StringPool::intern(stream.name);
    target->adopt(stream.stream);
    begin();
}

RibWriter::RibWriter(const char *name, const StreamOptions &options)
    : target(new StreamTarget), out(new OutputBuffer(target.get())), floatPrecision(kDefaultPrecision) {
    applyOptions(options);
    if (name) targetName = StringPool::intern(name);
    if (options.sink)
        target->attach(options.sink);
    else
        target->open(targetName, isPipe);
    begin();
}

void RibWriter::applyOptions(const StreamOptions &options) {
    binaryEncoding = options.binary ? 1 : 0;
    compressed = options.gzip ? 1 : 0;
    floatPrecision = isFloatPrecision(options.precision) ? options.precision : kDefaultPrecision;
}

bool RibWriter::opened() const {
    return target->opened();
}

// The standard declarations are made without echo: a reader knows them.
void RibWriter::begin() {
    writeBytes(kHeader, sizeof kHeader - 1);
    declareStandardTokens();
    echoDeclare = true;
}

RibWriter::~RibWriter() {
    out->put('\n');
    out->flush();
    target->end(targetName);
}

std::unique_ptr<RenderContext> openStream(const char *name, const StreamOptions &options) {
    std::unique_ptr<RibWriter> writer(new RibWriter(name, options));
    if (!writer->opened()) return nullptr;
    return writer;
}

}  // namespace quillet
