// Conversion of Python arguments (see Arguments.h).
#include "python/Arguments.h"

#include <cstring>
#include <limits>
#include <string>

namespace quillet {
namespace python {

namespace {

const char kNotNumbers[] = "expected numbers, got %s";
const char kNotIntegers[] = "expected integers, got %s";
const char kNotStrings[] = "expected a str or a sequence of str, got %s";
const char kIntegerRange[] = "integer values must lie within the range of a 32-bit int";
const char kTooManyValues[] = "too many values for one call";
const char kNulInString[] = "strings cannot contain a NUL character";
const char kWrongLength[] = "%s: expected %lld values, got %zu";
const char kNoStream[] = "%s called before Begin (no stream is current)";

PyObject *moduleError = nullptr;

std::string typeNameOf(py::handle value) {
    return py::str(py::type::handle_of(value).attr("__name__"));
}

// Every array reaches the C side as one RtInt count.
void requireCountable(size_t size) {
    if (size > size_t(std::numeric_limits<RtInt>::max())) throw py::value_error(kTooManyValues);
}

// The value as a numpy array whose dtype kind is one of `kinds`, else TypeError.
py::array numericArray(py::handle value, const char *kinds, const char *wrongKind) {
    const bool convertible = !py::isinstance<py::str>(value) && !py::isinstance<py::bytes>(value) && !value.is_none();
    py::object asArray = convertible ? py::array::ensure(value) : py::object();
    if (!asArray) throw py::type_error(formatString(wrongKind, typeNameOf(value).c_str()));
    py::array array = asArray.cast<py::array>();
    // An empty sequence has no element type: numpy calls it float64.
    if (std::strchr(kinds, array.dtype().kind()) == nullptr && array.size() != 0)
        throw py::type_error(formatString(wrongKind, typeNameOf(value).c_str()));
    requireCountable(size_t(array.size()));
    return array;
}

// True when the array can be read in place as C elements of type T.
template <typename T>
bool usableInPlace(const py::array &array) {
    return py::isinstance<py::array_t<T, py::array::c_style>>(array) &&
           (array.flags() & py::detail::npy_api::NPY_ARRAY_ALIGNED_) != 0;
}

template <typename T>
Values<T> inPlace(const py::array &array, CallStorage &storage) {
    storage.keep(array);
    return Values<T>{const_cast<T *>(static_cast<const T *>(array.data())), size_t(array.size())};
}

template <typename T>
py::array converted(const py::array &array) {
    return py::array_t<T, py::array::c_style | py::array::forcecast>::ensure(array);
}

void requireIntRange(const py::array &array) {
    if (array.size() == 0 || array.dtype().itemsize() < 4) return;
    if (array.dtype().kind() == 'i' && array.dtype().itemsize() == 4) return;
    const py::int_ smallest = array.attr("min")();
    const py::int_ largest = array.attr("max")();
    if (py::int_(std::numeric_limits<RtInt>::min()) > smallest || largest > py::int_(std::numeric_limits<RtInt>::max()))
        throw py::value_error(kIntegerRange);
}

}  // namespace

std::vector<RtToken> &CallStorage::newStringArray() {
    stringArrays.emplace_back();
    return stringArrays.back();
}

Values<RtFloat> floatValues(py::handle value, CallStorage &storage) {
    py::array array = numericArray(value, "fiub", kNotNumbers);
    if (!usableInPlace<RtFloat>(array)) array = converted<RtFloat>(array);
    return inPlace<RtFloat>(array, storage);
}

Values<RtInt> intValues(py::handle value, CallStorage &storage) {
    py::array array = numericArray(value, "iub", kNotIntegers);
    if (!usableInPlace<RtInt>(array)) {
        requireIntRange(array);
        array = converted<RtInt>(array);
    }
    return inPlace<RtInt>(array, storage);
}

Values<RtToken> stringValues(py::handle value, CallStorage &storage) {
    std::vector<RtToken> &strings = storage.newStringArray();
    auto add = [&](py::handle item) {
        if (item.is_none()) {
            strings.push_back(nullptr);
            return;
        }
        if (!py::isinstance<py::str>(item)) throw py::type_error(formatString(kNotStrings, typeNameOf(item).c_str()));
        strings.push_back(strText(item, storage));
    };
    if (value.is_none() || py::isinstance<py::str>(value)) {
        add(value);
    } else if (py::isinstance<py::sequence>(value) || py::isinstance<py::array>(value)) {
        for (py::handle item : value) add(item);
    } else {
        throw py::type_error(formatString(kNotStrings, typeNameOf(value).c_str()));
    }
    requireCountable(strings.size());
    return Values<RtToken>{strings.data(), strings.size()};
}

const char *strText(py::handle text, CallStorage &storage) {
    if (!py::isinstance<py::str>(text)) throw py::type_error(formatString(kNotStrings, typeNameOf(text).c_str()));
    Py_ssize_t size = 0;
    const char *bytes = PyUnicode_AsUTF8AndSize(text.ptr(), &size);
    if (bytes == nullptr) throw py::error_already_set();
    if (std::strlen(bytes) != size_t(size)) throw py::value_error(kNulInString);
    storage.keep(py::reinterpret_borrow<py::object>(text));
    return bytes;
}

void requireLength(size_t count, long long expected, const char *what) {
    if (expected < 0) expected = 0;
    if (count != size_t(expected)) throw py::value_error(formatString(kWrongLength, what, expected, count));
}

Values<RtFloat> floatValues(py::handle value, long long expected, const char *what, CallStorage &storage) {
    Values<RtFloat> values = floatValues(value, storage);
    requireLength(values.size, expected, what);
    return values;
}

Values<RtInt> intValues(py::handle value, long long expected, const char *what, CallStorage &storage) {
    Values<RtInt> values = intValues(value, storage);
    requireLength(values.size, expected, what);
    return values;
}

Values<RtToken> stringValues(py::handle value, long long expected, const char *what, CallStorage &storage) {
    Values<RtToken> values = stringValues(value, storage);
    requireLength(values.size, expected, what);
    return values;
}

void requireContext(const char *entryName) {
    if (RiGetContext() == nullptr) raiseError(formatString(kNoStream, entryName));
}

void raiseError(const std::string &message) {
    PyErr_SetString(moduleError, message.c_str());
    throw py::error_already_set();
}

py::object errorType() {
    return py::reinterpret_borrow<py::object>(moduleError);
}

void registerErrorType(py::module_ &module) {
    moduleError = PyErr_NewException("quillet.Error", PyExc_RuntimeError, nullptr);
    if (moduleError == nullptr) throw py::error_already_set();
    module.attr("Error") = errorType();
}

}  // namespace python
}  // namespace quillet
