// The Python class Ri: one method per entry point of the C interface, named
// without "Ri", and the interface's constants as attributes.
//
// Every method has the same shape: a Request for its stream, then every
// value converted (Arguments.h), then the counts checked and C pointers
// taken, and last the C call through Request::write.
#ifndef QUILLET_PYTHON_BINDINGS_H
#define QUILLET_PYTHON_BINDINGS_H

#include <cstdint>
#include <type_traits>

#include "python/Arguments.h"
#include "python/ParamDict.h"
#include "python/Request.h"
#include "python/RiObject.h"

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

// A name argument (RtToken, const char *) is taken as a Name, so that a NUL
// inside raises; numbers are taken as they are.
template <typename Arg>
using PythonArg = std::conditional_t<std::is_same<Arg, const char *>::value, Name, Arg>;

// Entry points whose arguments are all numbers or names; pybind converts
// them before the request begins.
template <typename... Args>
void bindFixed(RiClass &ri, const char *name, RtVoid (*entry)(Args...)) {
    ri.def(name,
           [name, entry](Ri &self, PythonArg<Args>... args) { Request(self, name).write([&] { entry(args...); }); });
}

// Entry points whose one argument is an array of `count` floats (a colour, a
// bound, a matrix).
template <typename Array>
void bindFloatArray(RiClass &ri, const char *name, RtVoid (*entry)(Array), long long count) {
    ri.def(name, [name, entry, count](Ri &self, py::handle values) {
        Request request(self, name);
        FloatArg numbers(values, name);
        Array array = reinterpret_cast<Array>(numbers.values(count).data);
        request.write([&] { entry(array); });
    });
}

// Entry points of the form Name(token, params) without geometry.
template <typename Result>
void bindNamedList(RiClass &ri, const char *name, Result (*entry)(RtToken, RtInt, RtToken[], RtPointer[])) {
    ri.def(
        name,
        [name, entry](Ri &self, Name token, py::handle params) {
            Request request(self, name);
            ParamDict list(params);
            list.bind(uncountedCounts());
            return request.write([&] { return entry(token, list.size(), list.tokens(), list.values()); });
        },
        py::arg("name"), py::arg("params") = py::none());
}

}  // namespace python
}  // namespace quillet

#endif
