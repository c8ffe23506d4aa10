// Parameter dictionaries (see ParamDict.h).
#include "python/ParamDict.h"

#include "quillet/DeclTable.h"
#include "decl/HandleId.h"
#include "decl/UndeclaredParameter.h"
#include "decl/VertexIndices.h"
#include "decl/ValueShape.h"
#include "rib/StreamOptions.h"

namespace quillet {
namespace python {

namespace {

const char kNotADict[] = "the parameter list must be a dict";
const char kUnknownStreamOption[] = "unknown \"rib\" option \"%s\"";
const char kRowWidth[] = "%s: expected rows of %d values (%s), got an array of shape %s";
const char kRowWidths[] = "%s: expected rows of %d or %d values (%s), got an array of shape %s";
const char kDeclarationChanged[] = "%s: its declaration changed while the call's values were converted";

// A parameter whose type carries no values (none, mpoint) still needs a value
// pointer for its token to be written.
RtInt noValues = 0;

// The dict's (token, value) pairs, read into a list of their own: converting
// a value may run Python code that changes the dict. None gives none.
py::list paramPairs(py::handle params) {
    if (params.is_none()) return py::list();
    if (!py::isinstance<py::dict>(params)) throw py::type_error(kNotADict);
    return py::list(params.attr("items")());
}

std::string shapeText(const py::array &array) {
    return py::str(py::tuple(array.attr("shape")));
}

// A numeric array of two or more dimensions holds one value (or one element
// of an array-typed value) per row; a matrix may also come as 4x4 blocks.
void requireRowWidth(const py::array &array, const ParamDecl &decl, const char *what) {
    const int rank = int(array.ndim());
    if (rank < 2) return;
    const int element = decl.type == ParamType::Integer ? 1 : typeFloatCount(int(decl.type));
    const int value = decl.arrayLength > 1 ? element * decl.arrayLength : element;
    const py::ssize_t last = array.shape(rank - 1);
    if (last == element || last == value) return;
    if (decl.type == ParamType::Matrix && last == 4 && array.shape(rank - 2) == 4) return;
    const char *type = typeName(int(decl.type));
    if (element == value) throw py::value_error(formatString(kRowWidth, what, element, type, shapeText(array).c_str()));
    throw py::value_error(formatString(kRowWidths, what, element, value, type, shapeText(array).c_str()));
}

// Text values suggest a string declaration, anything else a float one.
UndeclaredValues valuesOf(py::handle value) {
    bool text = py::isinstance<py::str>(value) || (py::isinstance<py::sequence>(value) && py::len(value) > 0 &&
                                                   py::isinstance<py::str>(value[py::int_(0)]));
    return text ? UndeclaredValues::Strings : UndeclaredValues::Numbers;
}

}  // namespace

ParamDict::ParamDict(py::handle params) {
    for (py::handle pair : paramPairs(params)) {
        Name token = nameText(pair[py::int_(0)]);
        const ParamDecl *decl = token.text != nullptr ? DeclTable::lookup(token.text) : nullptr;
        if (decl == nullptr)
            throw py::value_error(undeclaredParameterText(token.text ? token.text : "", valuesOf(pair[py::int_(1)])));
        add(token, pair[py::int_(1)], *decl);
    }
}

ParamDict ParamDict::streamOptions(py::handle params) {
    ParamDict list;
    for (py::handle pair : paramPairs(params)) {
        Name token = nameText(pair[py::int_(0)]);
        const char *declaration = streamOptionDeclaration(token.text);
        if (declaration == nullptr) throw py::value_error(formatString(kUnknownStreamOption, token.text));
        ParsedDeclaration parsed = parseDeclaration(declaration);
        list.ownDeclarations.push_back(std::make_unique<ParamDecl>(token.text, token.text));
        ParamDecl &decl = *list.ownDeclarations.back();
        decl.paramClass = parsed.paramClass;
        decl.type = parsed.type;
        decl.arrayLength = parsed.arrayLength;
        list.add(token, pair[py::int_(1)], decl);
    }
    list.bind(uncountedCounts());
    for (RtInt i = 0; i < list.size(); ++i) {
        const std::string problem = streamOptionProblem(list.tokens()[i], list.values()[i]);
        if (!problem.empty()) throw py::value_error(problem);
    }
    return list;
}

void ParamDict::nameHandle(py::handle name) {
    if (name.is_none()) return;
    handleName = StringArg(name, "handleid");
    named = true;
}

void ParamDict::add(Name token, py::handle value, const ParamDecl &decl) {
    Entry entry{token, &decl, paramValueShape(decl, uncountedCounts()).kind, {}, {}, {}};
    switch (entry.kind) {
    case ValueShape::Floats: entry.floats = FloatArg(value, token.text); break;
    case ValueShape::Integers: entry.ints = IntArg(value, token.text); break;
    case ValueShape::Strings: entry.strings = StringArg(value, token.text); break;
    case ValueShape::Nothing: break;
    }
    if (entry.kind == ValueShape::Floats) requireRowWidth(entry.floats.array(), decl, token.text);
    if (entry.kind == ValueShape::Integers) requireRowWidth(entry.ints.array(), decl, token.text);
    entries.push_back(std::move(entry));
}

void ParamDict::requireIndicesInRange(const Values<RtInt> &indices) const {
    for (const Entry &entry : entries) {
        if (entry.kind != ValueShape::Floats || !carriesPoints(*entry.decl)) continue;
        const size_t points = pointsOf(*entry.decl, entry.floats.values().size);
        RtInt bad;
        if (findIndexOutOfRange(indices.data, indices.size, points, bad))
            throw py::value_error(vertexIndexOutOfRange(bad, entry.decl->tokenName, points));
        return;
    }
}

ParamDict &ParamDict::bind(const ClassCounts &counts) {
    tokenArray.clear();
    valueArray.clear();
    for (const Entry &entry : entries) {
        const ValueShape shape = paramValueShape(*entry.decl, counts);
        if (shape.kind != entry.kind) throw py::value_error(formatString(kDeclarationChanged, entry.token.text));
        const long long expected = static_cast<long long>(shape.count);
        RtPointer pointer = &noValues;
        switch (shape.kind) {
        case ValueShape::Floats: pointer = entry.floats.values(expected).data; break;
        case ValueShape::Integers: pointer = entry.ints.values(expected).data; break;
        case ValueShape::Strings: pointer = entry.strings.values(expected).data; break;
        case ValueShape::Nothing: break;
        }
        tokenArray.push_back(entry.token.text);
        valueArray.push_back(pointer != nullptr ? pointer : &noValues);
    }
    if (named) {
        tokenArray.push_back(kHandleIdToken);
        valueArray.push_back(handleName.values(1).data);
    }
    return *this;
}

}  // namespace python
}  // namespace quillet
