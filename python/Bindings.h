// The Python class Ri: one method per entry point of the C interface, named
// without "Ri", and the interface's constants as attributes.
//
// Every method has the same shape: a Request for its stream, then every
// value converted (Arguments.h), then the counts checked and C pointers
// taken, and last the C call through Request::write. Each method's docstring
// comes from RequestDocs; the forms below that most requests share take their
// keywords from it too, and each family lists its requests of those forms in
// one table of Bindings.
#ifndef QUILLET_PYTHON_BINDINGS_H
#define QUILLET_PYTHON_BINDINGS_H

#include <cstddef>
#include <cstdint>
#include <tuple>
#include <utility>

#include "python/Arguments.h"
#include "python/ParamDict.h"
#include "python/Request.h"
#include "python/RequestDocs.h"
#include "python/RiObject.h"
#include "python/ValueTypes.h"
#include "format/GeometryCounts.h"

namespace quillet {
namespace python {

using RiClass = py::class_<Ri>;

// One function per request family, each binding that family's entry points.
void bindContextEntries(RiClass &ri);
void bindStructureEntries(RiClass &ri);
void bindOptionEntries(RiClass &ri);
void bindTransformEntries(RiClass &ri);
void bindShadingEntries(RiClass &ri);
void bindQuadricEntries(RiClass &ri);
void bindPolygonPatchEntries(RiClass &ri);
void bindGeometryEntries(RiClass &ri);
void bindTextureEntries(RiClass &ri);
// quillet.write_archive, a module function of its own.
void bindArchiveWriting(py::module_ &module);
// OSError, with nothing written, when name is a file that cannot be created.
void requireWritableFile(const char *name);
// Token constants, numeric constants, and the standard filters, procedurals,
// error handlers and bases as objects the entry points recognise.
void bindConstants(py::module_ &module, RiClass &ri);

// The C function that a filter, procedural or error handler object stands
// for: null for None, TypeError for anything else.
RtFilterFunc filterFunction(py::handle filter);
RtProcSubdivFunc proceduralFunction(py::handle procedural);
RtProc2SubdivFunc procedural2Function(py::handle procedural);
RtProc2BoundFunc boundFunction(py::handle bound);
RtErrorHandler errorHandlerFunction(py::handle handler);

// One of the standard basis objects (its C matrix, so that the stream names
// it) or 16 numbers.
class BasisArg {
public:
    explicit BasisArg(py::handle basis);
    RtFloat (*matrix() const)[4];

private:
    RtFloat (*standard)[4] = nullptr;
    FloatArg numbers;
};

// The nvertices and vertices arrays of a mesh, converted with the call's
// other values; take() then checks that there are as many vertices as the
// faces' sizes add up to.
struct MeshArrays {
    MeshArrays(py::handle nvertices, py::handle vertices)
        : sizesArg(nvertices, "nvertices"), indicesArg(vertices, "vertices") {}
    // Any number of faces, or exactly `faces` of them.
    void take() { takeIndices(sizesArg.values()); }
    void take(long long faces) { takeIndices(sizesArg.values(faces)); }
    RtInt faces() const { return sizes.count(); }

    IntArg sizesArg;
    IntArg indicesArg;
    Values<RtInt> sizes{};
    Values<RtInt> indices{};

private:
    void takeIndices(Values<RtInt> faceSizes) {
        sizes = faceSizes;
        indices = indicesArg.values(sumInts(sizes.data, sizes.count()));
    }
};

// Light and object handles are small numbers issued by the stream; Python
// sees them as int.
inline py::int_ handleNumber(RtPointer handle) {
    return py::int_(reinterpret_cast<intptr_t>(handle));
}
inline RtPointer handlePointer(intptr_t number) {
    return reinterpret_cast<RtPointer>(number);
}

// The optional parameter dictionary that list-taking entry points end with.
inline py::arg_v params() {
    return py::arg("params") = py::none();
}

// How a fixed argument of a C entry point is taken from Python (Type), and
// the C value it becomes once the request has begun (toC): numbers as they
// are; names as a Name, so that a NUL inside raises; handles as int; the
// standard functions as their objects.
template <typename Arg>
struct FromPython {
    using Type = Arg;
    static Arg toC(Arg value) { return value; }
};
template <>
struct FromPython<const char *> {
    using Type = Name;
    static const char *toC(const Name &name) { return name; }
};
template <>
struct FromPython<RtPointer> {
    using Type = intptr_t;
    static RtPointer toC(intptr_t number) { return handlePointer(number); }
};
template <>
struct FromPython<RtFilterFunc> {
    using Type = FilterObject;
    static RtFilterFunc toC(const FilterObject &filter) { return filterFunction(filter); }
};
template <>
struct FromPython<RtErrorHandler> {
    using Type = ErrorHandlerObject;
    static RtErrorHandler toC(const ErrorHandlerObject &handler) { return errorHandlerFunction(handler); }
};
template <>
struct FromPython<RtProc2SubdivFunc> {
    using Type = Procedural2Object;
    static RtProc2SubdivFunc toC(const Procedural2Object &procedural) { return procedural2Function(procedural); }
};
template <>
struct FromPython<RtProc2BoundFunc> {
    using Type = BoundObject;
    static RtProc2BoundFunc toC(const BoundObject &bound) { return boundFunction(bound); }
};

template <typename Arg>
using PythonArg = typename FromPython<Arg>::Type;

// The C arguments of a call, converted left to right after the request began.
template <typename... Args>
std::tuple<Args...> toC(const PythonArg<Args> &...args) {
    return std::tuple<Args...>{FromPython<Args>::toC(args)...};
}

template <typename... Args, size_t... I>
void bindFixedArgs(RiClass &ri, const char *name, RtVoid (*entry)(Args...), std::index_sequence<I...>) {
    ri.def(
        name,
        [name, entry](Ri &self, PythonArg<Args>... args) {
            Request request(self, name);
            std::tuple<Args...> values = toC<Args...>(args...);
            request.write([&] { std::apply(entry, values); });
        },
        py::arg(parameterName(name, I))..., methodDoc(name));
}

// Entry points whose arguments are all fixed: numbers, names, handles and
// standard functions. The keywords are the names the docstring gives.
template <typename... Args>
void bindFixed(RiClass &ri, const char *name, RtVoid (*entry)(Args...)) {
    bindFixedArgs(ri, name, entry, std::index_sequence_for<Args...>());
}

// Entry points whose one argument is an array of `count` floats (a colour, a
// bound, a matrix).
template <typename Array>
void bindFloatArray(RiClass &ri, const char *name, RtVoid (*entry)(Array), long long count) {
    ri.def(
        name,
        [name, entry, count](Ri &self, FloatArray values) {
            Request request(self, name);
            FloatArg numbers(values, name);
            Array array = reinterpret_cast<Array>(numbers.values(count).data);
            request.write([&] { entry(array); });
        },
        py::arg(parameterName(name, 0)), methodDoc(name));
}

template <typename Counts, typename... All, size_t... I>
void bindListedArgs(RiClass &ri, const char *name, RtVoid (*entry)(All...), Counts counts, std::index_sequence<I...>) {
    using Fixed = std::tuple<std::tuple_element_t<I, std::tuple<All...>>...>;
    ri.def(
        name,
        [name, entry, counts](Ri &self, PythonArg<std::tuple_element_t<I, Fixed>>... args, ParamList params) {
            Request request(self, name);
            Fixed values = toC<std::tuple_element_t<I, Fixed>...>(args...);
            ParamDict list(params);
            list.bind(std::apply(counts, values));
            request.write([&] { entry(std::get<I>(values)..., list.size(), list.tokens(), list.values()); });
        },
        py::arg(parameterName(name, I))..., params(), methodDoc(name));
}

// Entry points of the form Name(fixed arguments..., params): the parameter
// list is sized by counts(fixed C arguments...).
template <typename Counts, typename... All>
void bindListed(RiClass &ri, const char *name, RtVoid (*entry)(All...), Counts counts) {
    bindListedArgs(ri, name, entry, counts, std::make_index_sequence<sizeof...(All) - 3>());
}

// Counts that do not depend on the fixed arguments, for bindListed.
template <ClassCounts (*counts)()>
struct SameCounts {
    template <typename... Args>
    ClassCounts operator()(Args...) const {
        return counts();
    }
};
using Uncounted = SameCounts<uncountedCounts>;

// Counts that a function of the fixed arguments gives, for bindListed.
template <auto counts>
struct CountsOf {
    template <typename... Args>
    ClassCounts operator()(Args... args) const {
        return counts(args...);
    }
};

// One row of a request family's table: a method's name and what binds it.
struct Binding {
    const char *name;
    void (*bind)(RiClass &ri, const char *name);
};

template <size_t N>
void bindTable(RiClass &ri, const Binding (&table)[N]) {
    for (const Binding &row : table) row.bind(ri, row.name);
}

// What a row names: the forms above with the entry point fixed.
template <auto entry>
void fixedArguments(RiClass &ri, const char *name) {
    bindFixed(ri, name, entry);
}
template <auto entry, long long count>
void floatArray(RiClass &ri, const char *name) {
    bindFloatArray(ri, name, entry, count);
}
template <auto entry, typename Counts = Uncounted>
void withList(RiClass &ri, const char *name) {
    bindListed(ri, name, entry, Counts());
}

}  // namespace python
}  // namespace quillet

#endif
