#include "decl/ValueShape.h"

namespace quillet {

namespace {

RtInt classCount(ParamClass paramClass, const ClassCounts &counts) {
    switch (paramClass) {
    case ParamClass::Uniform: return counts.uniform;
    case ParamClass::Varying: return counts.varying;
    case ParamClass::Vertex: return counts.vertex;
    case ParamClass::FaceVarying:
    case ParamClass::FaceVertex: return counts.face;
    default: return 1;
    }
}

}  // namespace

ValueShape paramValueShape(const ParamDecl &decl, const ClassCounts &counts) {
    const RtInt perClass = classCount(decl.paramClass, counts);
    switch (decl.type) {
    case ParamType::Integer: return {ValueShape::Integers, parameterValueCount(perClass, decl.arrayLength, 1)};
    case ParamType::String: return {ValueShape::Strings, parameterValueCount(perClass, decl.arrayLength, 1)};
    case ParamType::Mpoint:
    case ParamType::None: return {ValueShape::Nothing, 0};
    default: break;
    }
    const int perElement = typeFloatCount(static_cast<int>(decl.type));
    if (perElement <= 0) return {ValueShape::Nothing, 0};
    return {ValueShape::Floats, parameterValueCount(perClass, decl.arrayLength, perElement)};
}

}  // namespace quillet
