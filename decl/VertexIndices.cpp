#include "decl/VertexIndices.h"

#include "format/FormatString.h"
#include "decl/ValueShape.h"

namespace quillet {

namespace {

const char kIndexOutOfRange[] = "vertex index %d out of range: %s has %zu point%s";

size_t valuesPerPoint(const ParamDecl &decl) {
    const ValueShape each = paramValueShape(decl, uncountedCounts());
    return each.kind == ValueShape::Nothing ? 0 : each.count;
}

}  // namespace

bool carriesPoints(const ParamDecl &decl) {
    return decl.paramClass == ParamClass::Vertex && valuesPerPoint(decl) > 0;
}

size_t pointsOf(const ParamDecl &decl, size_t values) {
    const size_t each = valuesPerPoint(decl);
    return each == 0 ? 0 : values / each;
}

bool findIndexOutOfRange(const RtInt indices[], size_t count, size_t points, RtInt &bad) {
    for (size_t i = 0; i < count; ++i)
        if (indices[i] < 0 || static_cast<size_t>(indices[i]) >= points) {
            bad = indices[i];
            return true;
        }
    return false;
}

std::string vertexIndexOutOfRange(RtInt index, const char *parameter, size_t points) {
    return formatString(kIndexOutOfRange, static_cast<int>(index), parameter, points, points == 1 ? "" : "s");
}

}  // namespace quillet
