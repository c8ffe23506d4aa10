// Decides conditional blocks before the previewer sees them: requests in a
// branch not taken are dropped, and IfBegin, ElseIf, Else and IfEnd go no
// further. Expressions are evaluated over the "user" values of Option (kept
// per frame) and Attribute (kept per attribute block); one that cannot be
// evaluated is reported once and taken as true.
#ifndef QUILLET_GLIMPSE_CONDITIONS_H
#define QUILLET_GLIMPSE_CONDITIONS_H

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "quillet/ForwardingContext.h"
#include "tools/glimpse/ConditionExpression.h"

namespace quillet {
namespace glimpse {

class Conditions : public ForwardingContext {
public:
    using Report = std::function<void(const std::string &problem)>;
    Conditions(RenderContext &target, Report report) : ForwardingContext(&target), target(target), report(report) {}

    RtVoid FrameBegin(RtInt frame) override;
    RtVoid FrameEnd() override;
    RtVoid AttributeBegin() override;
    RtVoid AttributeEnd() override;
    RtVoid OptionV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid AttributeV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid IfBegin(RtString condition) override;
    RtVoid ElseIf(RtString condition) override;
    RtVoid Else() override;
    RtVoid IfEnd() override;

protected:
    void forwarding(Nesting) override { next = active() ? &target : nullptr; }

private:
    using Values = std::map<std::string, ConditionValue>;
    struct Branch {
        bool outerActive;  // the block around the If passes requests on
        bool taken;        // a branch before has been taken
        bool active;
    };
    bool active() const { return branches.empty() || branches.back().active; }
    bool holds(RtString condition);
    static void keepUserValues(RtToken name, RtInt n, RtToken tokens[], RtPointer values[], Values &into);

    RenderContext &target;
    Report report;
    std::vector<Branch> branches;
    std::vector<Values> options{Values()}, attributes{Values()};
    std::set<std::string> reported;
};

}  // namespace glimpse
}  // namespace quillet

#endif
