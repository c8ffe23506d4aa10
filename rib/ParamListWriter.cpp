// Parameter lists: each token is looked up, written in quotes and followed by
// exactly the number of values that its declaration and the request's counts
// call for.
#include <cstdio>

#include "decl/DeclTable.h"
#include "rib/OutputBuffer.h"
#include "rib/GeometryCounts.h"
#include "rib/RibWriter.h"
#include "rib/ValueEncoding.h"

namespace quillet {

namespace {

const char kUndeclaredParameter[] = "quillet error: undeclared parameter \"%s\"\n";
const char kNullParameterToken[] = "quillet error: null parameter token\n";
const char kNoValueForParameter[] = "quillet error: no value for parameter \"%s\"\n";

// The string form of a parameter: quoted strings separated by one blank.
void putStringList(OutputBuffer &buffer, const RtToken *strings, size_t count) {
    buffer.put('[');
    for (size_t i = 0; i < count; ++i) {
        if (i > 0) buffer.put(' ');
        buffer.putQuoted(strings[i]);
    }
    buffer.put(']');
}

// One token/value pair: reported and dropped when it cannot be written.
void writePair(OutputBuffer &buffer, bool binary, RtToken token, RtPointer value, const ClassCounts &counts) {
    if (!token) {
        std::fputs(kNullParameterToken, stderr);
        return;
    }
    const ParamDecl *decl = DeclTable::lookup(token);
    if (!decl) {
        std::fprintf(stderr, kUndeclaredParameter, token);
        return;
    }
    const ValueShape shape = paramValueShape(*decl, counts);
    if (!value && shape.kind != ValueShape::Nothing && shape.count > 0) {
        std::fprintf(stderr, kNoValueForParameter, token);
        return;
    }
    buffer.put(' ');
    buffer.putQuoted(token);
    buffer.put(' ');
    switch (shape.kind) {
    case ValueShape::Floats: encodeFloatArray(buffer, binary, static_cast<const RtFloat *>(value), shape.count); break;
    case ValueShape::Integers: encodeIntArray(buffer, static_cast<const RtInt *>(value), shape.count); break;
    case ValueShape::Strings: putStringList(buffer, static_cast<const RtToken *>(value), shape.count); break;
    case ValueShape::Nothing: break;
    }
}

void writePairs(OutputBuffer &buffer, bool binary, RtInt n, RtToken tokens[], RtPointer values[],
                const ClassCounts &counts) {
    if (tokens && values)
        for (RtInt i = 0; i < n; ++i) writePair(buffer, binary, tokens[i], values[i], counts);
    buffer.put('\n');
}

}  // namespace

// The name is a request argument: always written, a null one as "".
void RibWriter::writeParamList(const char *name, RtInt handle, RtInt n, RtToken tokens[], RtPointer values[]) {
    OutputBuffer &buffer = *out;
    buffer.put(' ');
    buffer.putQuoted(name);
    if (handle > 0) {
        buffer.put(' ');
        buffer.putInt(handle);
    }
    writePairs(buffer, binaryEncoding != 0, n, tokens, values, uncountedCounts());
}

void RibWriter::writeCountedParamList(RtInt vertexCount, RtInt varyingCount, RtInt uniformCount, RtInt n,
                                      RtToken tokens[], RtPointer values[]) {
    OutputBuffer &buffer = *out;
    writePairs(buffer, binaryEncoding != 0, n, tokens, values, ClassCounts{vertexCount, varyingCount, uniformCount});
}

}  // namespace quillet
