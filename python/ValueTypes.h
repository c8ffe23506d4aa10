// The Python types of the arguments that a method takes as they come and
// converts inside the call (arrays, parameter dicts, the standard function
// objects). Each is a plain object that accepts anything; its name is what
// help() and the type stubs show for the argument, and make_stubs.py defines
// each name as a type.
#ifndef QUILLET_PYTHON_VALUETYPES_H
#define QUILLET_PYTHON_VALUETYPES_H

#include <pybind11/pybind11.h>

namespace quillet {
namespace python {

namespace py = pybind11;

template <typename Kind>
class Value : public py::object {
public:
    Value() = default;
    Value(py::handle value, borrowed_t) : py::object(value, borrowed_t{}) {}
    Value(py::handle value, stolen_t) : py::object(value, stolen_t{}) {}
    // Everything is accepted here; the call converts and checks it.
    static bool check_(py::handle value) { return value.ptr() != nullptr; }
};

#define QUILLET_VALUE_KIND(Type, shown)                                                                                \
    struct Type##Kind {                                                                                                \
        static constexpr auto name = pybind11::detail::const_name(shown);                                              \
    };                                                                                                                 \
    using Type = Value<Type##Kind>

QUILLET_VALUE_KIND(FloatArray, "FloatArray");
QUILLET_VALUE_KIND(IntArray, "IntArray");
QUILLET_VALUE_KIND(StringArray, "StringArray");
QUILLET_VALUE_KIND(ParamList, "ParamList");
QUILLET_VALUE_KIND(OptionalName, "Optional[str]");
QUILLET_VALUE_KIND(RecordValues, "Sequence[Any]");
QUILLET_VALUE_KIND(Target, "Target");
QUILLET_VALUE_KIND(BasisValue, "BasisValue");
QUILLET_VALUE_KIND(FilterObject, "Optional[Filter]");
QUILLET_VALUE_KIND(ProceduralObject, "Procedural");
QUILLET_VALUE_KIND(Procedural2Object, "Procedural2");
QUILLET_VALUE_KIND(BoundObject, "BoundFunction");
QUILLET_VALUE_KIND(ErrorHandlerObject, "Optional[ErrorHandler]");
QUILLET_VALUE_KIND(ContextValue, "Optional[Ri.ContextHandle]");
QUILLET_VALUE_KIND(UnusedValue, "object");
// The object itself, where a method takes or returns it as it is.
QUILLET_VALUE_KIND(RiValue, "Ri");
// Results: the points TransformPoints returns (None from a stream), and the
// bound of what write_archive's draw drew.
QUILLET_VALUE_KIND(PointsResult, "Optional[Any]");
QUILLET_VALUE_KIND(BoundResult, "Optional[Tuple[float, float, float, float, float, float]]");

#undef QUILLET_VALUE_KIND

// A result as the kind of value that the signature names.
template <typename Kind>
Kind as(py::object result) {
    return py::reinterpret_steal<Kind>(result.release());
}

}  // namespace python
}  // namespace quillet

namespace pybind11 {
namespace detail {

template <typename Kind>
struct handle_type_name<quillet::python::Value<Kind>> {
    static constexpr auto name = Kind::name;
};

}  // namespace detail
}  // namespace pybind11

#endif
