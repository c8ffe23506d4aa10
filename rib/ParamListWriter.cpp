// Parameter lists: each token is looked up, written in quotes and followed by
// exactly the number of values that its declaration and the request's counts
// call for.
#include "decl/UndeclaredParameter.h"
#include "format/FormatString.h"
#include "quillet/DeclTable.h"
#include "decl/ValueShape.h"
#include "rib/OutputBuffer.h"
#include "format/GeometryCounts.h"
#include "rib/RibStream.h"
#include "ri/Diagnostics.h"
#include "rib/ValueEncoding.h"
#include "format/PrintableText.h"

namespace quillet {

namespace {

const char kUndeclaredParameter[] = "quillet error: %s\n";
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
// Returns true when a NaN or an infinity was written as text.
bool writePair(OutputBuffer &buffer, FloatEncoding encoding, RtToken token, RtPointer value,
               const ClassCounts &counts) {
    if (!token) {
        reportText(RIE_BADTOKEN, RIE_ERROR, kNullParameterToken);
        return false;
    }
    const ParamDecl *decl = DeclTable::lookup(token);
    if (!decl) {
        reportText(
            RIE_BADTOKEN, RIE_ERROR,
            formatString(kUndeclaredParameter, undeclaredParameterText(printableText(token).c_str()).c_str()).c_str());
        return false;
    }
    // A declaration without a type was reported when it was made.
    if (decl->type == ParamType::None) return false;
    const ValueShape shape = paramValueShape(*decl, counts);
    if (!value && shape.kind != ValueShape::Nothing && shape.count > 0) {
        reportText(RIE_MISSINGDATA, RIE_ERROR,
                   formatString(kNoValueForParameter, printableText(token).c_str()).c_str());
        return false;
    }
    buffer.put(' ');
    buffer.putQuoted(token);
    buffer.put(' ');
    switch (shape.kind) {
    case ValueShape::Floats:
        return encodeFloatArray(buffer, encoding, static_cast<const RtFloat *>(value), shape.count);
    case ValueShape::Integers: encodeIntArray(buffer, static_cast<const RtInt *>(value), shape.count); break;
    case ValueShape::Strings: putStringList(buffer, static_cast<const RtToken *>(value), shape.count); break;
    case ValueShape::Nothing: break;
    }
    return false;
}

bool writePairs(OutputBuffer &buffer, FloatEncoding encoding, RtInt n, RtToken tokens[], RtPointer values[],
                const ClassCounts &counts) {
    bool nonFinite = false;
    if (tokens && values)
        for (RtInt i = 0; i < n; ++i) nonFinite |= writePair(buffer, encoding, tokens[i], values[i], counts);
    buffer.put('\n');
    return nonFinite;
}

}  // namespace

// The name is a request argument: always written, a null one as "".
void RibStream::writeParamList(const char *name, RtInt handle, RtInt n, RtToken tokens[], RtPointer values[]) {
    OutputBuffer &buffer = *out;
    buffer.put(' ');
    buffer.putQuoted(name);
    if (handle > 0) {
        buffer.put(' ');
        buffer.putInt(handle);
    }
    if (writePairs(buffer, floatEncoding(), n, tokens, values, uncountedCounts())) reportNonFinite();
}

void RibStream::writeCountedParamList(RtInt vertexCount, RtInt varyingCount, RtInt uniformCount, RtInt n,
                                      RtToken tokens[], RtPointer values[]) {
    writeCountedParamList(vertexCount, varyingCount, uniformCount, varyingCount, n, tokens, values);
}

void RibStream::writeCountedParamList(RtInt vertexCount, RtInt varyingCount, RtInt uniformCount, RtInt faceCount,
                                      RtInt n, RtToken tokens[], RtPointer values[]) {
    OutputBuffer &buffer = *out;
    const ClassCounts counts{vertexCount, varyingCount, uniformCount, faceCount};
    if (writePairs(buffer, floatEncoding(), n, tokens, values, counts)) reportNonFinite();
}

}  // namespace quillet
