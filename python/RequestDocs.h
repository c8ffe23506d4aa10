// The docstrings of the methods of Ri: what each request does and what each
// of its parameters means. The one text behind help(), __doc__ and the type
// stubs that make_stubs.py writes from the built module.
#ifndef QUILLET_PYTHON_REQUESTDOCS_H
#define QUILLET_PYTHON_REQUESTDOCS_H

#include <cstddef>

namespace quillet {
namespace python {

// The docstring of the method `name` (a request named without "Ri", or one
// of the object's own methods such as __enter__). std::logic_error for a
// name the table lacks, so that a method without one cannot be bound.
const char *methodDoc(const char *name);

// The name of the index-th parameter that the docstring of `name` describes:
// the keyword of that argument for the requests whose bindings take their
// argument names from the docstrings. std::logic_error past the last one.
const char *parameterName(const char *name, size_t index);

}  // namespace python
}  // namespace quillet

#endif
