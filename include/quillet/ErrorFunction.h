// Where the library's diagnostics go, from C++: the same point that
// QuilletSetErrorFunc sets from C (quillet/ri.h describes what changes while
// a function is installed).
#ifndef QUILLET_ERRORFUNCTION_H
#define QUILLET_ERRORFUNCTION_H

#include <functional>

#include "quillet/ri.h"

namespace quillet {

using ErrorFunction = std::function<void(RtInt code, RtInt severity, const char *message)>;

// Installs function for the whole process; an empty one puts back the
// default, which prints and may end the process.
QUILLET_API void setErrorFunction(ErrorFunction function);

}  // namespace quillet

#endif
