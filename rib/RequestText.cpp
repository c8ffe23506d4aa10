#include "rib/RequestText.h"

#include <cstring>

#include "format/GeometryCounts.h"

namespace quillet {

void endRequest(RibWriter &writer) {
    writer.writeBytes("\n", 1);
}

static void writeKeyword(RibWriter &writer, const char *keyword) {
    writer.writeBytes(keyword, std::strlen(keyword));
    writer.writeBytes(" ", 1);
}

void writeFloatArrayRequest(RibWriter &writer, const char *keyword, const RtFloat values[], RtInt count) {
    writeKeyword(writer, keyword);
    writer.writeFloatArray(values, count);
    endRequest(writer);
}

void writeFloatsRequest(RibWriter &writer, const char *keyword, std::initializer_list<RtFloat> numbers) {
    writeKeyword(writer, keyword);
    for (RtFloat number : numbers) {
        writer.writeFloat(number);
    }
    endRequest(writer);
}

void writeQuotedRequest(RibWriter &writer, const char *keyword, const char *text) {
    writeKeyword(writer, keyword);
    writer.writeQuoted(text);
    endRequest(writer);
}

void writeNamedParamRequest(RibWriter &writer, const char *keyword, const char *name, RtInt handle, RtInt n,
                            RtToken tokens[], RtPointer values[]) {
    writer.writeBytes(keyword, std::strlen(keyword));
    writer.writeParamList(name, handle, n, tokens, values);
}

void writeParamsAndEnd(RibWriter &writer, RtInt n, RtToken tokens[], RtPointer values[]) {
    const ClassCounts counts = uncountedCounts();
    writer.writeCountedParamList(counts.vertex, counts.varying, counts.uniform, counts.face, n, tokens, values);
}

}  // namespace quillet
