#include "tools/glimpse/Conditions.h"

#include <cstring>

#include "format/FormatString.h"
#include "quillet/DeclTable.h"
#include "quillet/RibParser.h"

namespace quillet {
namespace glimpse {

namespace {

const char kUser[] = "user";
const char kUserPrefix[] = "user:";
const char kCannotEvaluate[] = "IfBegin: cannot evaluate \"%s\": taken as true";

}  // namespace

// The "user" values of a list by their names: the first value of each
// number or string parameter.
void Conditions::keepUserValues(RtToken name, RtInt n, RtToken tokens[], RtPointer values[], Values &into) {
    if (!name || std::strcmp(name, kUser) != 0 || !tokens || !values) return;
    for (RtInt i = 0; i < n; ++i) {
        const ParamDecl *decl = tokens[i] ? DeclTable::lookup(tokens[i]) : nullptr;
        if (!decl || !values[i]) continue;
        ConditionValue value;
        switch (decl->type) {
        case ParamType::String: {
            RtToken text = *static_cast<const RtToken *>(values[i]);
            value.isString = true;
            value.text = text ? text : "";
            break;
        }
        case ParamType::Float: value.number = *static_cast<const RtFloat *>(values[i]); break;
        case ParamType::Integer: value.number = *static_cast<const RtInt *>(values[i]); break;
        default: continue;
        }
        into[tokens[i] + inlinePrefixLength(tokens[i])] = value;
    }
}

bool Conditions::holds(RtString condition) {
    const std::string expression = condition ? condition : "";
    auto lookup = [this](const std::string &name, ConditionValue &value) {
        if (name.compare(0, sizeof kUserPrefix - 1, kUserPrefix) != 0) return false;
        const std::string key = name.substr(sizeof kUserPrefix - 1);
        for (const Values *scope : {&attributes.back(), &options.back()}) {
            auto it = scope->find(key);
            if (it == scope->end()) continue;
            value = it->second;
            return true;
        }
        return false;
    };
    Condition result = evaluateCondition(expression, lookup);
    if (result != Condition::Unknown) return result == Condition::True;
    if (reported.insert(expression).second)
        report(formatString(kCannotEvaluate, printableText(expression.data(), expression.size()).c_str()));
    return true;
}

RtVoid Conditions::FrameBegin(RtInt frame) {
    options.push_back(options.back());
    ForwardingContext::FrameBegin(frame);
}
RtVoid Conditions::FrameEnd() {
    if (options.size() > 1) options.pop_back();
    ForwardingContext::FrameEnd();
}
RtVoid Conditions::AttributeBegin() {
    attributes.push_back(attributes.back());
    ForwardingContext::AttributeBegin();
}
RtVoid Conditions::AttributeEnd() {
    if (attributes.size() > 1) attributes.pop_back();
    ForwardingContext::AttributeEnd();
}

RtVoid Conditions::OptionV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {
    if (active()) keepUserValues(name, n, tokens, values, options.back());
    ForwardingContext::OptionV(name, n, tokens, values);
}
RtVoid Conditions::AttributeV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {
    if (active()) keepUserValues(name, n, tokens, values, attributes.back());
    ForwardingContext::AttributeV(name, n, tokens, values);
}

RtVoid Conditions::IfBegin(RtString condition) {
    bool outer = active();
    bool holdsNow = outer && holds(condition);
    branches.push_back({outer, holdsNow, holdsNow});
}

RtVoid Conditions::ElseIf(RtString condition) {
    if (branches.empty()) return;
    Branch &branch = branches.back();
    branch.active = branch.outerActive && !branch.taken && holds(condition);
    branch.taken = branch.taken || branch.active;
}

RtVoid Conditions::Else() {
    if (branches.empty()) return;
    Branch &branch = branches.back();
    branch.active = branch.outerActive && !branch.taken;
    branch.taken = true;
}

RtVoid Conditions::IfEnd() {
    if (!branches.empty()) branches.pop_back();
}

}  // namespace glimpse
}  // namespace quillet
