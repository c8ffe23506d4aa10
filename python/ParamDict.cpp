// Parameter dictionaries (see ParamDict.h).
#include "python/ParamDict.h"

#include <algorithm>

#include "decl/UndeclaredParameter.h"
#include "decl/VertexIndices.h"
#include "quillet/DeclTable.h"
#include "decl/HandleId.h"
#include "decl/ValueShape.h"
#include "rib/StreamOptions.h"

namespace quillet {
namespace python {

namespace {

const char kNotADict[] = "the parameter list must be a dict";
const char kUnknownStreamOption[] = "unknown \"rib\" option \"%s\"";

// A parameter whose type carries no values (none, mpoint) still needs a value
// pointer for its token to be written.
RtInt noValues = 0;

// The dict's (token, value) pairs; None gives none.
py::dict paramDict(py::handle params) {
    if (params.is_none()) return py::dict();
    if (!py::isinstance<py::dict>(params)) throw py::type_error(kNotADict);
    return py::reinterpret_borrow<py::dict>(params);
}

// Text values suggest a string declaration, anything else a float one.
UndeclaredValues valuesOf(py::handle value) {
    bool text = py::isinstance<py::str>(value) || (py::isinstance<py::sequence>(value) && py::len(value) > 0 &&
                                                   py::isinstance<py::str>(value[py::int_(0)]));
    return text ? UndeclaredValues::Strings : UndeclaredValues::Numbers;
}

// ValueError for the first index that the first point parameter does not
// cover; nothing when every index names a point.
void requireIndicesInRange(py::handle params, const Values<RtInt> &indices) {
    for (auto pair : paramDict(params)) {
        CallStorage storage;
        const ParamDecl *decl = DeclTable::lookup(strText(pair.first, storage));
        if (decl == nullptr || !carriesPoints(*decl)) continue;
        const size_t points = pointsOf(*decl, floatValues(pair.second, storage).size);
        RtInt bad;
        if (findIndexOutOfRange(indices.data, indices.size, points, bad))
            throw py::value_error(vertexIndexOutOfRange(bad, decl->tokenName, points));
        return;
    }
}

}  // namespace

ParamDict::ParamDict(py::handle params, const ClassCounts &counts) {
    addAll(params, counts);
}

// A negative index is out of range whatever the points; any other shows in
// the lengths of the vertex parameters, so the points are counted only then.
ParamDict::ParamDict(py::handle params, const ClassCounts &counts, const Values<RtInt> &indices) {
    if (std::any_of(indices.data, indices.data + indices.size, [](RtInt index) { return index < 0; }))
        requireIndicesInRange(params, indices);
    try {
        addAll(params, counts);
    } catch (const py::value_error &) {
        requireIndicesInRange(params, indices);
        throw;
    }
}

void ParamDict::addAll(py::handle params, const ClassCounts &counts) {
    for (auto pair : paramDict(params)) {
        const char *token = strText(pair.first, storage);
        const ParamDecl *decl = DeclTable::lookup(token);
        if (decl == nullptr) throw py::value_error(undeclaredParameterText(token, valuesOf(pair.second)));
        add(token, pair.second, *decl, counts);
    }
}

ParamDict ParamDict::streamOptions(py::handle params) {
    ParamDict list;
    for (auto pair : paramDict(params)) {
        const char *token = strText(pair.first, list.storage);
        const char *declaration = streamOptionDeclaration(token);
        if (declaration == nullptr) throw py::value_error(formatString(kUnknownStreamOption, token));
        ParsedDeclaration parsed = parseDeclaration(declaration);
        ParamDecl decl(token, token);
        decl.paramClass = parsed.paramClass;
        decl.type = parsed.type;
        decl.arrayLength = parsed.arrayLength;
        list.add(token, pair.second, decl, uncountedCounts());
    }
    return list;
}

void ParamDict::nameHandle(py::handle name) {
    if (name.is_none()) return;
    tokenArray.push_back(kHandleIdToken);
    valueArray.push_back(stringValues(name, 1, kHandleIdToken, storage).data);
}

void ParamDict::add(const char *token, py::handle value, const ParamDecl &decl, const ClassCounts &counts) {
    const ValueShape shape = paramValueShape(decl, counts);
    const long long expected = static_cast<long long>(shape.count);
    RtPointer pointer = nullptr;
    switch (shape.kind) {
    case ValueShape::Floats: pointer = floatValues(value, expected, token, storage).data; break;
    case ValueShape::Integers: pointer = intValues(value, expected, token, storage).data; break;
    case ValueShape::Strings: pointer = stringValues(value, expected, token, storage).data; break;
    case ValueShape::Nothing: break;
    }
    tokenArray.push_back(token);
    valueArray.push_back(pointer != nullptr ? pointer : &noValues);
}

}  // namespace python
}  // namespace quillet
