#include "tools/glimpse/ParamLookup.h"

#include <cstring>

#include "quillet/DeclTable.h"

namespace quillet {
namespace glimpse {

FloatParam ParamLookup::find(const char *name, int width) const {
    if (!tokens || !values) return {};
    for (RtInt i = 0; i < count; ++i) {
        const ParamDecl *decl = DeclTable::lookup(tokens[i]);
        if (!decl || !values[i] || std::strcmp(decl->tokenName, name) != 0) continue;
        int floats = typeFloatCount(static_cast<int>(decl->type)) * (decl->arrayLength > 0 ? decl->arrayLength : 0);
        if (floats != width) continue;
        return {static_cast<const RtFloat *>(values[i]), decl->paramClass, floats};
    }
    return {};
}

double ParamLookup::number(const char *name, double fallback) const {
    FloatParam p = find(name, 1);
    return p ? p.values[0] : fallback;
}

Vec3 ParamLookup::vec3(const char *name, const Vec3 &fallback) const {
    FloatParam p = find(name, 3);
    return p ? p.vec3(0) : fallback;
}

size_t elementIndex(const FloatParam &p, size_t vertex, size_t varying, size_t uniform) {
    switch (p.storage) {
    case ParamClass::Vertex: return vertex;
    case ParamClass::Varying: return varying;
    case ParamClass::Uniform: return uniform;
    default: return 0;
    }
}

}  // namespace glimpse
}  // namespace quillet
