// Conversion of Python arguments into the arrays the C interface reads, and
// the checks that turn a caller's mistake into an exception before anything
// reaches the stream.
#ifndef QUILLET_PYTHON_ARGUMENTS_H
#define QUILLET_PYTHON_ARGUMENTS_H

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

#include "quillet/ri.h"
#include "format/FormatString.h"

namespace quillet {
namespace python {

namespace py = pybind11;

// What the converted values of one call point into: arrays made by a
// conversion, string objects and arrays of string pointers. It lives until the
// C call has returned.
class CallStorage {
public:
    void keep(py::object object) { objects.push_back(std::move(object)); }
    std::vector<RtToken> &newStringArray();

private:
    std::vector<py::object> objects;
    std::vector<std::vector<RtToken>> stringArrays;
};

template <typename T>
struct Values {
    T *data;
    size_t size;
    RtInt count() const { return static_cast<RtInt>(size); }
};

// A number, a sequence (nested sequences are read in row order) or a numpy
// array. C-contiguous float32 or int32 arrays are used in place; other arrays
// are converted once. A value of the wrong kind raises TypeError, an integer
// outside the range of RtInt ValueError, and more elements than an RtInt can
// count ValueError.
Values<RtFloat> floatValues(py::handle value, CallStorage &storage);
Values<RtInt> intValues(py::handle value, CallStorage &storage);
// A str or a sequence of str; None stands for a null string.
Values<RtToken> stringValues(py::handle value, CallStorage &storage);

// A str's UTF-8 text, kept valid for the call; TypeError for anything else,
// ValueError for a NUL character inside.
const char *strText(py::handle text, CallStorage &storage);

// As above, but exactly `expected` elements (none for a negative count) or
// ValueError naming `what`.
Values<RtFloat> floatValues(py::handle value, long long expected, const char *what, CallStorage &storage);
Values<RtInt> intValues(py::handle value, long long expected, const char *what, CallStorage &storage);
Values<RtToken> stringValues(py::handle value, long long expected, const char *what, CallStorage &storage);

// ValueError unless count equals expected (a negative expected count asks for
// no values at all).
void requireLength(size_t count, long long expected, const char *what);

// quillet.Error unless a stream is current; the C interface would end the
// process instead.
void requireContext(const char *entryName);
// Raises quillet.Error with the message.
[[noreturn]] void raiseError(const std::string &message);

// The module's exception for calls the C interface would end the process on.
py::object errorType();
void registerErrorType(py::module_ &module);

}  // namespace python
}  // namespace quillet

#endif
