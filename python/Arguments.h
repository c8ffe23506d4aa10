// Conversion of Python arguments into the arrays the C interface reads, and
// the checks that turn a caller's mistake into an exception before anything
// reaches the stream.
//
// A call converts in two steps. First every value is converted (this runs any
// Python code a value brings: __array__, __index__, __float__, a sequence's
// items), and each converted object is held. Only then are C pointers read
// from what is held: Python code run by a later conversion can no longer
// move memory that an earlier pointer points into.
#ifndef QUILLET_PYTHON_ARGUMENTS_H
#define QUILLET_PYTHON_ARGUMENTS_H

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <cstddef>
#include <string>
#include <vector>

#include "quillet/ri.h"
#include "format/FormatString.h"

namespace quillet {
namespace python {

namespace py = pybind11;

// An array handle that holds nothing, made without calling numpy.
inline py::array noArray() {
    return py::reinterpret_steal<py::array>(py::handle());
}

template <typename T>
struct Values {
    T *data;
    size_t size;
    RtInt count() const { return static_cast<RtInt>(size); }
};

// A number, a sequence (nested sequences are read in row order) or a numpy
// array, converted to a C-contiguous array of T. Float32 and int32 arrays
// are used in place; other arrays are converted once. A value of the wrong
// kind raises TypeError naming `what`, an integer outside the range of RtInt
// ValueError, and more elements than an RtInt can count ValueError.
template <typename T>
class Converted {
public:
    Converted() = default;
    Converted(py::handle value, const char *what);

    // The elements, once every value of the call is converted. ValueError
    // when the array used in place was resized by a later conversion;
    // with expected, also unless there are exactly that many (none for a
    // negative count).
    Values<T> values() const;
    Values<T> values(long long expected) const;

    const py::array &array() const { return converted; }
    const char *name() const { return what; }

private:
    py::array converted = noArray();
    const char *what = "";
    // The array that owns the memory used in place, and that memory's place
    // and size when it was converted.
    py::array owner = noArray();
    const void *ownerData = nullptr;
    py::ssize_t ownerBytes = 0;
};

// How many array elements the calling thread has converted so far: a
// request compares it before and after converting its values to tell how
// much it is about to write.
size_t convertedElements();

using FloatArg = Converted<RtFloat>;
using IntArg = Converted<RtInt>;

// A str or a sequence of str; None stands for a null string.
class StringArg {
public:
    StringArg() = default;
    StringArg(py::handle value, const char *what);
    Values<RtToken> values() const { return Values<RtToken>{const_cast<RtToken *>(strings.data()), strings.size()}; }
    Values<RtToken> values(long long expected) const;

private:
    std::vector<RtToken> strings;
    std::vector<py::object> kept;
    const char *what = "";
};

// The text of a name argument (a shader, a file, a type, a token): a str's
// UTF-8 text, held as long as the object; None stands for a null name.
// ValueError for a NUL character inside, which C would cut the name at.
struct Name {
    const char *text = nullptr;
    py::object held;
    operator const char *() const { return text; }
};
Name nameText(py::handle text);

// ValueError naming `what` unless count equals expected (a negative
// expected count asks for no values at all).
void requireLength(size_t count, long long expected, const char *what);

// Raises quillet.Error with the message, its attributes code, severity and
// message set; the module's own refusals say the stream is in the wrong state.
[[noreturn]] void raiseError(const std::string &message, RtInt code = RIE_ILLSTATE, RtInt severity = RIE_ERROR);

// The module's exception for calls the C interface would end the process on.
py::object errorType();
void registerErrorType(py::module_ &module);

}  // namespace python
}  // namespace quillet

namespace pybind11 {
namespace detail {

// Every name argument goes through nameText, so that a NUL inside raises.
template <>
struct type_caster<quillet::python::Name> {
    PYBIND11_TYPE_CASTER(quillet::python::Name, const_name("str"));
    bool load(handle source, bool) {
        if (!source.is_none() && !isinstance<str>(source)) return false;
        value = quillet::python::nameText(source);
        return true;
    }
};

}  // namespace detail
}  // namespace pybind11

#endif
