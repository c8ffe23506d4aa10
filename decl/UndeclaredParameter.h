// The report of a parameter whose token has no declaration, with what to do
// about it: the one text that the writer, the parser and the Python module
// give.
#ifndef QUILLET_UNDECLAREDPARAMETER_H
#define QUILLET_UNDECLAREDPARAMETER_H

#include <string>

namespace quillet {

// What the values look like, for the suggested inline declaration.
enum class UndeclaredValues { Numbers, Strings };

// undeclared parameter "bias": declare it, or write its type inline:
// "uniform float bias"
std::string undeclaredParameterText(const char *token, UndeclaredValues values = UndeclaredValues::Numbers);

}  // namespace quillet

#endif
