// The previewer's IfBegin expressions, evaluated over a few user values.
#ifdef TOOLS_HAVE_PNG
#include <gtest/gtest.h>

#include "tools/glimpse/ConditionExpression.h"

namespace {

using quillet::glimpse::Condition;
using quillet::glimpse::ConditionValue;
using quillet::glimpse::evaluateCondition;

bool userValue(const std::string &name, ConditionValue &value) {
    if (name == "user:pass") {
        value.isString = true;
        value.text = "beauty";
        return true;
    }
    if (name == "user:level") {
        value.number = 2;
        return true;
    }
    return false;
}

TEST(ConditionExpression, EveryOperatorAndWhatCannotBeEvaluated) {
    const struct {
        const char *expression;
        Condition result;
    } rows[] = {
        {"1", Condition::True},
        {"0", Condition::False},
        {"''", Condition::False},
        {"'x'", Condition::True},
        {"$user:pass == 'beauty'", Condition::True},
        {"${user:pass} != \"beauty\"", Condition::False},
        {"$user:pass < 'c' && $user:pass > 'a'", Condition::True},
        {"$user:level <= 2 && $user:level >= 2", Condition::True},
        {"$user:level < 2 || $user:level > 2", Condition::False},
        {"!($user:level == 2)", Condition::False},
        {"!0 && !!1", Condition::True},
        {"1 || 0 && 0", Condition::True},
        {"(1 || 0) && 0", Condition::False},
        {"-1.5e1 < -14", Condition::True},
        {"$user:nothing == 1", Condition::Unknown},
        {"$user:pass == 2", Condition::Unknown},
        {"(1", Condition::Unknown},
        {"1 2", Condition::Unknown},
        {"'open", Condition::Unknown},
        {"", Condition::Unknown},
        {"$Frame > 1", Condition::Unknown},
    };
    for (const auto &row : rows) EXPECT_EQ(evaluateCondition(row.expression, userValue), row.result) << row.expression;
}

}  // namespace

#endif
