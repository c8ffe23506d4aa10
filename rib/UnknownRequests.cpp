// A request that the reader did not know, written back as it stood: its
// keyword, its values and its parameter list, one blank before each value.
// Loose numbers are text in both encodings; float arrays follow the stream's
// encoding. A reader takes a number written as an integer for one, so a
// float whose text would read as an integer gets a point ("1.0"), and so do
// the floats of a text array all of whose values would: a value that was a
// float reads back as a float.
#include <cstring>

#include "format/FloatFormat.h"
#include "format/IntegerText.h"
#include "rib/RibStream.h"
#include "rib/OutputBuffer.h"
#include "rib/RequestText.h"
#include "rib/ValueEncoding.h"

namespace quillet {

namespace {

const char kLooseFloat[] = " %g";
const char kFloatPoint[] = ".0";

// Whether value's text at the stream's precision reads as an integer.
bool textReadsAsInteger(RtFloat value, int precision) {
    char text[kGeneralTextMax];
    RtInt integer;
    return readsAsInteger(text, text + formatFloat(text, value, precision), integer);
}

// value's text and a point.
void putPointed(OutputBuffer &out, RtFloat value, int precision) {
    char *text = out.reserve(kGeneralTextMax + sizeof kFloatPoint);
    char *end = text + formatFloat(text, value, precision);
    std::memcpy(end, kFloatPoint, sizeof kFloatPoint - 1);
    out.commit(size_t(end - text) + sizeof kFloatPoint - 1);
}

// "[1.0 2.0]" when every value would read as an integer; false otherwise,
// having written nothing.
bool putPointedArray(OutputBuffer &out, const RtFloat floats[], RtInt count, int precision) {
    if (count == 0) return false;
    for (RtInt i = 0; i < count; ++i)
        if (!textReadsAsInteger(floats[i], precision)) return false;
    out.put('[');
    for (RtInt i = 0; i < count; ++i) {
        if (i > 0) out.put(' ');
        putPointed(out, floats[i], precision);
    }
    out.put(']');
    return true;
}

void writeValue(RibStream &writer, OutputBuffer &out, const RequestValue &value) {
    const RtInt count = value.count > 0 && value.data ? value.count : 0;
    switch (value.type) {
    case RequestValue::Type::Integer: {
        const RtInt *ints = static_cast<const RtInt *>(value.data);
        out.put(' ');
        if (value.array)
            writer.writeIntArray(ints, count);
        else if (count > 0)
            out.putInt(ints[0]);
        return;
    }
    case RequestValue::Type::Float: {
        const RtFloat *floats = static_cast<const RtFloat *>(value.data);
        const FloatEncoding encoding = writer.floatEncoding();
        if (value.array) {
            out.put(' ');
            if (encoding.binary || !putPointedArray(out, floats, count, encoding.precision))
                writer.writeFloatArray(floats, count);
        } else if (count > 0 && textReadsAsInteger(floats[0], encoding.precision)) {
            out.put(' ');
            putPointed(out, floats[0], encoding.precision);
        } else if (count > 0) {
            writer.writef(kLooseFloat, double(floats[0]));
        }
        return;
    }
    case RequestValue::Type::String: {
        const RtToken *strings = static_cast<const RtToken *>(value.data);
        out.put(' ');
        if (!value.array) {
            out.putQuoted(count > 0 ? strings[0] : nullptr);
            return;
        }
        out.put('[');
        for (RtInt i = 0; i < count; ++i) {
            if (i > 0) out.put(' ');
            out.putQuoted(strings[i]);
        }
        out.put(']');
        return;
    }
    }
}

}  // namespace

RtVoid RibStream::UnknownRequestV(RtToken name, RtInt nargs, const RequestValue args[], RtInt n, RtToken tokens[],
                                  const RequestValue values[]) {
    if (!name || !*name) return;
    writeBytes(name, std::strlen(name));
    for (RtInt i = 0; args && i < nargs; ++i) writeValue(*this, *out, args[i]);
    for (RtInt i = 0; tokens && values && i < n; ++i) {
        out->put(' ');
        out->putQuoted(tokens[i]);
        writeValue(*this, *out, values[i]);
    }
    endRequest(*this);
}

}  // namespace quillet
