// The values one parameter carries, counted in the elements of its encoding:
// the type's width x the array length x the class count (1 for constant).
// A negative array length or class count gives none (two negatives do not
// make a count); a parameter without a type, or an mpoint, carries nothing.
#ifndef QUILLET_DECL_VALUESHAPE_H
#define QUILLET_DECL_VALUESHAPE_H

#include <cstddef>

#include "format/GeometryCounts.h"
#include "quillet/ParamDecl.h"

namespace quillet {

struct ValueShape {
    enum Kind { Nothing, Floats, Integers, Strings } kind;
    size_t count;
};
ValueShape paramValueShape(const ParamDecl &decl, const ClassCounts &counts);

}  // namespace quillet

#endif
