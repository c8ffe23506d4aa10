// Small pieces of request text shared by the geometric request writers.
#ifndef QUILLET_GEOMETRYWRITING_H
#define QUILLET_GEOMETRYWRITING_H

#include "format/GeometryCounts.h"
#include "rib/GeometryReports.h"
#include "rib/RibStream.h"

namespace quillet {

// The one blank between two arrays of a request.
inline void writeBlank(RibStream &writer) {
    writer.writeBytes(" ", 1);
}

// The parameter list sized by a request's class counts.
inline void writeCounted(RibStream &writer, const ClassCounts &counts, RtInt n, RtToken tokens[], RtPointer values[]) {
    writer.writeCountedParamList(counts.vertex, counts.varying, counts.uniform, counts.face, n, tokens, values);
}

// The parameter list of a request whose counts depend on its type or the
// basis steps. When they cannot be worked out the failure is reported and the
// request keeps its text so far, with no parameter list.
inline void writeStepped(RibStream &writer, RtToken type, const SteppedCounts &result, RtInt n, RtToken tokens[],
                         RtPointer values[]) {
    if (result.status != CountStatus::ok) {
        reportCountFailure(type, result);
        return;
    }
    writeCounted(writer, result.counts, n, tokens, values);
}

}  // namespace quillet

#endif
