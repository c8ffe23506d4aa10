#include "rib/RequestText.h"

#include <cstring>

#include "format/GeometryCounts.h"
#include "decl/StringPool.h"

namespace quillet {

void endRequest(RibStream &writer) {
    writer.writeBytes("\n", 1);
}

static void writeKeyword(RibStream &writer, const char *keyword) {
    writer.writeBytes(keyword, std::strlen(keyword));
    writer.writeBytes(" ", 1);
}

void writeFloatArrayRequest(RibStream &writer, const char *keyword, const RtFloat values[], RtInt count) {
    writeKeyword(writer, keyword);
    writer.writeFloatArray(values, count);
    endRequest(writer);
}

void writeFloatsRequest(RibStream &writer, const char *keyword, std::initializer_list<RtFloat> numbers) {
    writeKeyword(writer, keyword);
    for (RtFloat number : numbers) {
        writer.writeFloat(number);
    }
    endRequest(writer);
}

void writeQuotedRequest(RibStream &writer, const char *keyword, const char *text) {
    writeKeyword(writer, keyword);
    writer.writeQuoted(text);
    endRequest(writer);
}

void writeNamedParamRequest(RibStream &writer, const char *keyword, const char *name, RtInt handle, RtInt n,
                            RtToken tokens[], RtPointer values[]) {
    writer.writeBytes(keyword, std::strlen(keyword));
    writer.writeParamList(name, handle, n, tokens, values);
}

void writeParamsAndEnd(RibStream &writer, RtInt n, RtToken tokens[], RtPointer values[]) {
    const ClassCounts counts = uncountedCounts();
    writer.writeCountedParamList(counts.vertex, counts.varying, counts.uniform, counts.face, n, tokens, values);
}

void writeHandle(RibStream &writer, RtPointer handle) {
    if (writer.namedHandles.count(handle)) {
        writer.writeQuoted(static_cast<const char *>(handle));
        return;
    }
    writer.writef("%ld", numberOfHandle(handle));
}

ParamListWithout::ParamListWithout(RtInt n, RtToken tokens[], RtPointer values[], RtInt skip) {
    for (RtInt i = 0; tokens && values && i < n; ++i) {
        if (i == skip) continue;
        tokenArray.push_back(tokens[i]);
        valueArray.push_back(values[i]);
    }
}

RtPointer nameHandle(RibStream &writer, const char *name) {
    const char *pooled = StringPool::intern(name);
    writer.namedHandles.insert(pooled);
    return const_cast<char *>(pooled);
}

}  // namespace quillet
