#include "tools/glimpse/ConditionExpression.h"

#include <cctype>
#include <charconv>

namespace quillet {
namespace glimpse {

namespace {

// Recursive descent over the text; `ok` turns false at the first thing that
// cannot be read or valued.
class Evaluator {
public:
    Evaluator(const std::string &text, const VariableLookup &lookup) : text(text), lookup(lookup) {}

    Condition run() {
        ConditionValue value = disjunction();
        blanks();
        if (!ok || at < text.size()) return Condition::Unknown;
        return truth(value) ? Condition::True : Condition::False;
    }

private:
    static bool truth(const ConditionValue &value) { return value.isString ? !value.text.empty() : value.number != 0; }
    static ConditionValue boolean(bool value) {
        ConditionValue out;
        out.number = value ? 1 : 0;
        return out;
    }

    void blanks() {
        while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at]))) ++at;
    }
    bool take(const char *word) {
        blanks();
        size_t length = std::char_traits<char>::length(word);
        if (text.compare(at, length, word) != 0) return false;
        at += length;
        return true;
    }
    ConditionValue fail() {
        ok = false;
        return ConditionValue();
    }

    ConditionValue disjunction() {
        ConditionValue left = conjunction();
        while (ok && take("||")) {
            ConditionValue right = conjunction();
            left = boolean(truth(left) || truth(right));
        }
        return left;
    }
    ConditionValue conjunction() {
        ConditionValue left = negation();
        while (ok && take("&&")) {
            ConditionValue right = negation();
            left = boolean(truth(left) && truth(right));
        }
        return left;
    }
    ConditionValue negation() {
        blanks();
        if (at < text.size() && text[at] == '!' && text.compare(at, 2, "!=") != 0) {
            ++at;
            return boolean(!truth(negation()));
        }
        return comparison();
    }
    ConditionValue comparison() {
        ConditionValue left = primary();
        static const char *const kOperators[] = {"==", "!=", "<=", ">=", "<", ">"};
        for (const char *op : kOperators) {
            if (!ok || !take(op)) continue;
            ConditionValue right = primary();
            if (!ok || left.isString != right.isString) return fail();
            int order = left.isString ? left.text.compare(right.text)
                                      : (left.number < right.number   ? -1
                                         : left.number > right.number ? 1
                                                                      : 0);
            std::string name = op;
            bool result = name == "=="   ? order == 0
                          : name == "!=" ? order != 0
                          : name == "<=" ? order <= 0
                          : name == ">=" ? order >= 0
                          : name == "<"  ? order < 0
                                         : order > 0;
            return boolean(result);
        }
        return left;
    }
    ConditionValue primary() {
        blanks();
        if (!ok || at >= text.size()) return fail();
        char c = text[at];
        if (c == '(') {
            ++at;
            ConditionValue inner = disjunction();
            if (!take(")")) return fail();
            return inner;
        }
        if (c == '\'' || c == '"') {
            size_t end = text.find(c, at + 1);
            if (end == std::string::npos) return fail();
            ConditionValue value;
            value.isString = true;
            value.text = text.substr(at + 1, end - at - 1);
            at = end + 1;
            return value;
        }
        if (c == '$') return variable();
        ConditionValue value;
        auto result = std::from_chars(text.data() + at, text.data() + text.size(), value.number);
        if (result.ec != std::errc()) return fail();
        at = size_t(result.ptr - text.data());
        return value;
    }
    ConditionValue variable() {
        ++at;
        bool braced = at < text.size() && text[at] == '{';
        if (braced) ++at;
        size_t start = at;
        while (at < text.size() && (std::isalnum(static_cast<unsigned char>(text[at])) || text[at] == '_' ||
                                    text[at] == ':' || text[at] == '.'))
            ++at;
        std::string name = text.substr(start, at - start);
        if (braced && !take("}")) return fail();
        ConditionValue value;
        if (name.empty() || !lookup(name, value)) return fail();
        return value;
    }

    const std::string &text;
    const VariableLookup &lookup;
    size_t at = 0;
    bool ok = true;
};

}  // namespace

Condition evaluateCondition(const std::string &expression, const VariableLookup &lookup) {
    return Evaluator(expression, lookup).run();
}

}  // namespace glimpse
}  // namespace quillet
