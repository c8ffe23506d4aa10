// The parameter list of a request as the previewer reads it: float-based
// parameters found by name through the declarations, with their storage
// class. The caller supplies as many values as the request's counts call
// for; the counts themselves come from the shared count rules.
#ifndef QUILLET_GLIMPSE_PARAMLOOKUP_H
#define QUILLET_GLIMPSE_PARAMLOOKUP_H

#include "tools/glimpse/Math.h"
#include "quillet/ParamDecl.h"
#include "quillet/ri.h"

namespace quillet {
namespace glimpse {

struct FloatParam {
    const RtFloat *values = nullptr;
    ParamClass storage = ParamClass::None;
    int width = 0;  // floats per element

    explicit operator bool() const { return values != nullptr; }
    Vec3 vec3(size_t element) const {
        const RtFloat *v = values + element * static_cast<size_t>(width);
        return {v[0], v[1], v[2]};
    }
    // A position from "P", or from "Pw" divided through by its w.
    Vec3 point(size_t element) const {
        const RtFloat *v = values + element * static_cast<size_t>(width);
        double w = width == 4 && v[3] != 0 ? v[3] : 1;
        return {v[0] / w, v[1] / w, v[2] / w};
    }
};

class ParamLookup {
public:
    ParamLookup(RtInt n, RtToken tokens[], RtPointer values[]) : count(n), tokens(tokens), values(values) {}

    // The parameter of that name with width floats per element (any class),
    // or none.
    FloatParam find(const char *name, int width) const;
    double number(const char *name, double fallback) const;
    Vec3 vec3(const char *name, const Vec3 &fallback) const;

private:
    RtInt count;
    RtToken *tokens;
    RtPointer *values;
};

// The element of a parameter that applies to a primitive with the given
// vertex, varying and uniform indices (constant: the first).
size_t elementIndex(const FloatParam &p, size_t vertex, size_t varying, size_t uniform);

}  // namespace glimpse
}  // namespace quillet

#endif
