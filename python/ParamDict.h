// A parameter dictionary as the token and value arrays of a list-form call.
#ifndef QUILLET_PYTHON_PARAMDICT_H
#define QUILLET_PYTHON_PARAMDICT_H

#include <vector>

#include "python/Arguments.h"
#include "format/GeometryCounts.h"
#include "quillet/ParamDecl.h"

namespace quillet {
namespace python {

class ParamDict {
public:
    // params: None or a dict from token to value, passed on in the dict's
    // order. Every value is converted as its token's declaration (predeclared,
    // declared with Declare or inline) says, and must carry exactly the
    // number of values that the declaration and the counts call for.
    ParamDict(py::handle params, const ClassCounts &counts);
    // The same for a mesh: an index that names no point of the first point
    // parameter ("P") raises ValueError naming the index, before any other
    // problem of the values is reported.
    ParamDict(py::handle params, const ClassCounts &counts, const Values<RtInt> &indices);

    // The "rib" stream options, typed by the stream option rules.
    static ParamDict streamOptions(py::handle params);

    // Adds "__handleid" with the name unless it is None: the name of a light
    // or an object.
    void nameHandle(py::handle name);

    RtInt size() const { return static_cast<RtInt>(tokenArray.size()); }
    RtToken *tokens() { return tokenArray.data(); }
    RtPointer *values() { return valueArray.data(); }

private:
    ParamDict() = default;
    void addAll(py::handle params, const ClassCounts &counts);
    void add(const char *token, py::handle value, const ParamDecl &decl, const ClassCounts &counts);

    std::vector<RtToken> tokenArray;
    std::vector<RtPointer> valueArray;
    CallStorage storage;
};

}  // namespace python
}  // namespace quillet

#endif
