// Life cycle of a RIB stream: the writer opens its target, writes the header
// and has the standard tokens declared; destroying it ends the stream.
#include "rib/RibWriter.h"

#include "decl/Predeclare.h"
#include "decl/StringPool.h"
#include "ri/ParamList.h"
#include "rib/FloatFormat.h"
#include "rib/OutputBuffer.h"
#include "rib/StreamOptions.h"
#include "rib/StreamTarget.h"

namespace quillet {

namespace {

const char kHeader[] = "##RenderMan RIB-Structure 1.0\nversion 3.03\n";

}  // namespace

RibWriter::RibWriter(const char *name, ...)
    : errorHandler(RiErrorPrint), target(new StreamTarget), out(new OutputBuffer(target.get())), targetName(nullptr),
      isPipe(0), uStep(3), vStep(3), binaryEncoding(0), compressed(0), floatPrecision(kDefaultPrecision),
      nextLightHandle(1), nextObjectHandle(1), requestName(), requestNameLength(0), nonFiniteReported(false) {
    va_list args;
    va_start(args, name);
    ParamList options(args);
    va_end(args);
    applyOptions(options);
    if (name) targetName = StringPool::intern(name);
    target->open(targetName, isPipe);
    begin();
}

RibWriter::RibWriter(OpenStream stream, ...)
    : errorHandler(RiErrorPrint), target(new StreamTarget), out(new OutputBuffer(target.get())), targetName(nullptr),
      isPipe(0), uStep(3), vStep(3), binaryEncoding(0), compressed(0), floatPrecision(kDefaultPrecision),
      nextLightHandle(1), nextObjectHandle(1), requestName(), requestNameLength(0), nonFiniteReported(false) {
    va_list args;
    va_start(args, stream);
    ParamList options(args);
    va_end(args);
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
    DeclareEchoOff withoutEcho;
    predeclare(*this);
}

RibWriter::~RibWriter() {
    out->put('\n');
    out->flush();
    target->end(targetName);
}

}  // namespace quillet
