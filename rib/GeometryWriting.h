// Small pieces of request text shared by the geometric request writers.
#ifndef QUILLET_GEOMETRYWRITING_H
#define QUILLET_GEOMETRYWRITING_H

#include "rib/GeometryCounts.h"
#include "rib/RibWriter.h"

namespace quillet {

// The one blank between two arrays of a request.
inline void writeBlank(RibWriter &writer) {
    writer.writeBytes(" ", 1);
}

// The parameter list sized by a request's class counts.
inline void writeCounted(RibWriter &writer, const ClassCounts &counts, RtInt n, RtToken tokens[], RtPointer values[]) {
    writer.writeCountedParamList(counts.vertex, counts.varying, counts.uniform, n, tokens, values);
}

}  // namespace quillet

#endif
