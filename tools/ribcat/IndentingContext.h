// Indents the requests inside blocks (Frame, World, Attribute, Transform,
// Solid, Object, Motion, Archive, Resource, If) by a number of spaces a
// level, writing the blanks into the writer just before each request; ElseIf
// and Else stand at the level of their IfBegin. Blocks deeper than kMaxDepth
// keep the deepest indent, so that the blanks grow with the depth only up
// to a point.
#ifndef QUILLET_RIBCAT_INDENTINGCONTEXT_H
#define QUILLET_RIBCAT_INDENTINGCONTEXT_H

#include <string>

#include "quillet/ForwardingContext.h"
#include "quillet/RibWriter.h"

class IndentingContext : public quillet::ForwardingContext {
public:
    static const size_t kMaxDepth = 16;

    IndentingContext(quillet::RibWriter &writer, int spaces)
        : ForwardingContext(&writer), writer(writer), step(spaces > 0 ? static_cast<size_t>(spaces) : 0) {}

protected:
    void forwarding(Nesting nesting) override {
        bool closes = nesting == Nesting::Closes || nesting == Nesting::Continues;
        if (closes && depth > 0) --depth;
        blanks.assign((depth < kMaxDepth ? depth : kMaxDepth) * step, ' ');
        writer.writeBytes(blanks.data(), blanks.size());
        if (nesting == Nesting::Opens || nesting == Nesting::Continues) ++depth;
    }

private:
    quillet::RibWriter &writer;
    size_t step;
    size_t depth = 0;
    std::string blanks;
};

#endif
