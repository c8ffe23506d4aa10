// Parameter dictionaries (see ParamDict.h).
#include "python/ParamDict.h"

#include "quillet/DeclTable.h"
#include "decl/HandleId.h"
#include "decl/ValueShape.h"
#include "rib/StreamOptions.h"

namespace quillet {
namespace python {

namespace {

const char kNotADict[] = "the parameter list must be a dict";
const char kUndeclared[] = "undeclared parameter \"%s\"";
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

}  // namespace

ParamDict::ParamDict(py::handle params, const ClassCounts &counts) {
    for (auto pair : paramDict(params)) {
        const char *token = strText(pair.first, storage);
        const ParamDecl *decl = DeclTable::lookup(token);
        if (decl == nullptr) throw py::value_error(formatString(kUndeclared, token));
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
