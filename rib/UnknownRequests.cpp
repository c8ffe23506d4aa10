// A request that the reader did not know, written back as it stood: its
// keyword, its values and its parameter list, one blank before each value.
// Loose numbers are text in both encodings; float arrays follow the stream's
// encoding.
#include <cstring>

#include "rib/RibStream.h"
#include "rib/OutputBuffer.h"
#include "rib/RequestText.h"

namespace quillet {

namespace {

const char kLooseFloat[] = " %g";

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
        if (value.array) {
            out.put(' ');
            writer.writeFloatArray(floats, count);
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
