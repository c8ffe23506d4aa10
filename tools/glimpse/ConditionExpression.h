// The expressions of IfBegin and ElseIf: comparisons (==, !=, <, <=, >, >=)
// of numbers, quoted strings ('...' or "...") and variables ($user:name,
// ${user:name}), joined by &&, || and !, with parentheses. A number is true
// when it is not 0, a string when it is not empty.
#ifndef QUILLET_GLIMPSE_CONDITIONEXPRESSION_H
#define QUILLET_GLIMPSE_CONDITIONEXPRESSION_H

#include <functional>
#include <string>

namespace quillet {
namespace glimpse {

struct ConditionValue {
    bool isString = false;
    double number = 0;
    std::string text;
};

// The value of a variable by its name ("user:pass"); false when it has none.
using VariableLookup = std::function<bool(const std::string &name, ConditionValue &value)>;

enum class Condition { True, False, Unknown };

// Unknown when the expression cannot be read or names a variable without a
// value, or compares a string with a number.
Condition evaluateCondition(const std::string &expression, const VariableLookup &lookup);

}  // namespace glimpse
}  // namespace quillet

#endif
