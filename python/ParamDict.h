// A parameter dictionary as the token and value arrays of a list-form call.
#ifndef QUILLET_PYTHON_PARAMDICT_H
#define QUILLET_PYTHON_PARAMDICT_H

#include <memory>
#include <vector>

#include "python/Arguments.h"
#include "decl/ValueShape.h"
#include "format/GeometryCounts.h"
#include "quillet/ParamDecl.h"
#include "quillet/ParamDecl.h"

namespace quillet {
namespace python {

class ParamDict {
public:
    // params: None or a dict from token to value, passed on in the dict's
    // order. Each token must be declared (predeclared, with Declare or
    // inline); its value is converted as the declaration's type says, and an
    // array of two or more dimensions must have rows of the type's width
    // (3 for a point, 16 for a matrix, n for float[n]).
    explicit ParamDict(py::handle params);

    // The "rib" stream options, typed by the stream option rules; a value
    // that the option does not know raises ValueError.
    static ParamDict streamOptions(py::handle params);

    // Once every value of the call is converted: each must carry exactly the
    // number of values that its declaration and the counts call for.
    ParamDict &bind(const ClassCounts &counts);
    // For a mesh, before bind: ValueError naming the first index that the
    // points of the first point parameter ("P") do not cover.
    void requireIndicesInRange(const Values<RtInt> &indices) const;

    // Adds "__handleid" with the name unless it is None: the name of a light
    // or an object.
    void nameHandle(py::handle name);

    RtInt size() const { return static_cast<RtInt>(tokenArray.size()); }
    RtToken *tokens() { return tokenArray.data(); }
    RtPointer *values() { return valueArray.data(); }

private:
    struct Entry {
        Name token;
        const ParamDecl *decl;
        ValueShape::Kind kind;
        FloatArg floats;
        IntArg ints;
        StringArg strings;
    };

    ParamDict() = default;
    void add(Name token, py::handle value, const ParamDecl &decl);

    std::vector<Entry> entries;
    // The name nameHandle gave, written last.
    bool named = false;
    StringArg handleName;
    // The declarations of stream options, which no table holds.
    std::vector<std::unique_ptr<ParamDecl>> ownDeclarations;
    std::vector<RtToken> tokenArray;
    std::vector<RtPointer> valueArray;
};

}  // namespace python
}  // namespace quillet

#endif
