// Life cycle of a RIB stream: the writer opens its target, writes the header
// and has the standard tokens declared; destroying it ends the stream.
#include "quillet/RibWriter.h"

#include "decl/Predeclare.h"
#include "decl/StringPool.h"
#include "ri/ParamList.h"
#include "format/FloatFormat.h"
#include "rib/OutputBuffer.h"
#include "rib/StreamOptions.h"
#include "rib/StreamTarget.h"

namespace quillet {

namespace {

const char kHeader[] = "##RenderMan RIB-Structure 1.0\nversion 3.03\n";

}  // namespace

RibWriter::RibWriter(const char *name, ...)
    : target(new StreamTarget), out(new OutputBuffer(target.get())), floatPrecision(kDefaultPrecision) {
    QUILLET_PARAM_LIST(options, name);
    applyOptions(options);
    if (name) targetName = StringPool::intern(name);
    target->open(targetName, isPipe);
    begin();
}

RibWriter::RibWriter(OpenStream stream, ...)
    : target(new StreamTarget), out(new OutputBuffer(target.get())), floatPrecision(kDefaultPrecision) {
    QUILLET_PARAM_LIST(options, stream);
    applyOptions(options);
    if (stream.name) targetName = StringPool::intern(stream.name);
    target->adopt(stream.stream);
    begin();
}

void RibWriter::applyOptions(ParamList &options) {
    for (RtInt i = 0; i < options.count(); ++i)
        applyStreamOption(options.tokens()[i], options.values()[i], binaryEncoding, compressed, floatPrecision, true);
}

void RibWriter::begin() {
    echoDeclare = 1;
    writeBytes(kHeader, sizeof kHeader - 1);
    declareStandardTokens();
}

RibWriter::~RibWriter() {
    out->put('\n');
    out->flush();
    target->end(targetName);
}

}  // namespace quillet
