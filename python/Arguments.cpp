// Conversion of Python arguments (see Arguments.h).
#include "python/Arguments.h"

#include <cstring>
#include <limits>
#include <string>

namespace quillet {
namespace python {

namespace {

const char kNotNumbers[] = "%s: expected numbers, got %s";
const char kNotIntegers[] = "%s: expected integers, got %s";
const char kNotStrings[] = "%s: expected a str or a sequence of str, got %s";
const char kNotAName[] = "expected a str or a sequence of str, got %s";
const char kIntegerRange[] = "%s: integer values must lie within the range of a 32-bit int";
const char kTooManyValues[] = "%s: too many values for one call";
const char kNulInString[] = "strings cannot contain a NUL character";
const char kWrongLength[] = "%s: expected %lld values, got %zu";
const char kErrorDoc[] =
    "An error the library reported, or a request made in the wrong state: code and severity are the\n"
    "interface's error numbers (quillet.RIE_...), message its text.";
const char kResized[] = "%s: the array was resized while the call's values were converted";

PyObject *moduleError = nullptr;

thread_local size_t elementsConverted = 0;

std::string typeNameOf(py::handle value) {
    return py::str(py::type::handle_of(value).attr("__name__"));
}

// Every array reaches the C side as one RtInt count.
void requireCountable(size_t size, const char *what) {
    if (size > size_t(std::numeric_limits<RtInt>::max())) throw py::value_error(formatString(kTooManyValues, what));
}

// The value as a numpy array whose dtype kind is one of `kinds`, else TypeError.
py::array numericArray(py::handle value, const char *kinds, const char *wrongKind, const char *what) {
    const bool convertible = !py::isinstance<py::str>(value) && !py::isinstance<py::bytes>(value) && !value.is_none();
    py::object asArray = convertible ? py::array::ensure(value) : py::object();
    if (!asArray) throw py::type_error(formatString(wrongKind, what, typeNameOf(value).c_str()));
    py::array array = asArray.cast<py::array>();
    // An empty sequence has no element type: numpy calls it float64.
    if (std::strchr(kinds, array.dtype().kind()) == nullptr && array.size() != 0)
        throw py::type_error(formatString(wrongKind, what, typeNameOf(value).c_str()));
    requireCountable(size_t(array.size()), what);
    return array;
}

// True when the array can be read in place as C elements of type T.
template <typename T>
bool usableInPlace(const py::array &array) {
    return py::isinstance<py::array_t<T, py::array::c_style>>(array) &&
           (array.flags() & py::detail::npy_api::NPY_ARRAY_ALIGNED_) != 0;
}

template <typename T>
py::array convertedCopy(const py::array &array) {
    return py::array_t<T, py::array::c_style | py::array::forcecast>::ensure(array);
}

void requireIntRange(const py::array &array, const char *what) {
    if (array.size() == 0 || array.dtype().itemsize() < 4) return;
    if (array.dtype().kind() == 'i' && array.dtype().itemsize() == 4) return;
    const py::int_ smallest = array.attr("min")();
    const py::int_ largest = array.attr("max")();
    if (py::int_(std::numeric_limits<RtInt>::min()) > smallest || largest > py::int_(std::numeric_limits<RtInt>::max()))
        throw py::value_error(formatString(kIntegerRange, what));
}

// The numpy array at the end of a view's chain of bases: the one whose
// memory a resize can move. Null when the memory belongs to something else
// (bytes, a buffer), which numpy keeps from changing while it is viewed.
py::array memoryOwner(const py::array &array) {
    py::array owner = array;
    for (;;) {
        py::object base = owner.attr("base");
        if (base.is_none()) return owner;
        if (!py::isinstance<py::array>(base)) return noArray();
        owner = py::reinterpret_borrow<py::array>(base);
    }
}

template <typename T>
py::array convertedArray(py::handle value, const char *what);

template <>
py::array convertedArray<RtFloat>(py::handle value, const char *what) {
    py::array array = numericArray(value, "fiub", kNotNumbers, what);
    return usableInPlace<RtFloat>(array) ? array : convertedCopy<RtFloat>(array);
}

template <>
py::array convertedArray<RtInt>(py::handle value, const char *what) {
    py::array array = numericArray(value, "iub", kNotIntegers, what);
    if (usableInPlace<RtInt>(array)) return array;
    requireIntRange(array, what);
    return convertedCopy<RtInt>(array);
}

}  // namespace

template <typename T>
Converted<T>::Converted(py::handle value, const char *what) : converted(convertedArray<T>(value, what)), what(what) {
    elementsConverted += size_t(converted.size());
    owner = memoryOwner(converted);
    if (owner) {
        ownerData = owner.data();
        ownerBytes = owner.nbytes();
    }
}

template <typename T>
Values<T> Converted<T>::values() const {
    if (owner && (owner.data() != ownerData || owner.nbytes() != ownerBytes))
        throw py::value_error(formatString(kResized, what));
    return Values<T>{const_cast<T *>(static_cast<const T *>(converted.data())), size_t(converted.size())};
}

template <typename T>
Values<T> Converted<T>::values(long long expected) const {
    Values<T> result = values();
    requireLength(result.size, expected, what);
    return result;
}

template class Converted<RtFloat>;
template class Converted<RtInt>;

StringArg::StringArg(py::handle value, const char *what) : what(what) {
    auto add = [&](py::handle item) {
        if (item.is_none()) {
            strings.push_back(nullptr);
            return;
        }
        if (!py::isinstance<py::str>(item))
            throw py::type_error(formatString(kNotStrings, what, typeNameOf(item).c_str()));
        Name name = nameText(item);
        kept.push_back(name.held);
        strings.push_back(name.text);
    };
    if (value.is_none() || py::isinstance<py::str>(value)) {
        add(value);
    } else if (py::isinstance<py::sequence>(value) || py::isinstance<py::array>(value)) {
        // The items are read from a list of their own: iterating may run
        // Python code that changes the sequence.
        for (py::handle item : py::list(py::reinterpret_borrow<py::object>(value))) add(item);
    } else {
        throw py::type_error(formatString(kNotStrings, what, typeNameOf(value).c_str()));
    }
    requireCountable(strings.size(), what);
    elementsConverted += strings.size();
}

size_t convertedElements() {
    return elementsConverted;
}

Values<RtToken> StringArg::values(long long expected) const {
    requireLength(strings.size(), expected, what);
    return values();
}

Name nameText(py::handle text) {
    if (text.is_none()) return Name();
    if (!py::isinstance<py::str>(text)) throw py::type_error(formatString(kNotAName, typeNameOf(text).c_str()));
    Py_ssize_t size = 0;
    const char *bytes = PyUnicode_AsUTF8AndSize(text.ptr(), &size);
    if (bytes == nullptr) throw py::error_already_set();
    if (std::strlen(bytes) != size_t(size)) throw py::value_error(kNulInString);
    return Name{bytes, py::reinterpret_borrow<py::object>(text)};
}

void requireLength(size_t count, long long expected, const char *what) {
    if (expected < 0) expected = 0;
    if (count != size_t(expected)) throw py::value_error(formatString(kWrongLength, what, expected, count));
}

void raiseError(const std::string &message, RtInt code, RtInt severity) {
    py::object error = errorType()(message);
    error.attr("code") = code;
    error.attr("severity") = severity;
    error.attr("message") = message;
    PyErr_SetObject(moduleError, error.ptr());
    throw py::error_already_set();
}

py::object errorType() {
    return py::reinterpret_borrow<py::object>(moduleError);
}

void registerErrorType(py::module_ &module) {
    moduleError = PyErr_NewExceptionWithDoc("quillet.Error", kErrorDoc, PyExc_RuntimeError, nullptr);
    if (moduleError == nullptr) throw py::error_already_set();
    module.attr("Error") = errorType();
}

}  // namespace python
}  // namespace quillet
