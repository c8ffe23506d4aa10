// A request whose keyword the parser does not know: its values as they stood
// in the stream, and the rule that splits them into arguments and a
// parameter list before they go to the target's UnknownRequestV.
#ifndef QUILLET_PARSE_UNKNOWNREQUEST_H
#define QUILLET_PARSE_UNKNOWNREQUEST_H

#include <cstddef>
#include <vector>

#include "parse/ValuePool.h"
#include "quillet/RenderContext.h"

namespace quillet {

class UnknownRequest {
public:
    void clear();
    // One value, its items already appended to the pool of its type.
    void add(RequestValue::Type type, bool array, size_t offset, size_t count);

    ValuePool<RtInt> ints;
    ValuePool<RtFloat> floats;
    std::vector<RtToken> strings;

    // The parameter list begins at the first loose string that names a
    // declared or inline-declared parameter from which every value pairs
    // with such a name; the values before it are the arguments.
    void call(RenderContext &target, RtToken name);

private:
    struct Item {
        RequestValue::Type type;
        bool array;
        size_t offset, count;
    };
    RequestValue valueOf(const Item &item);
    bool isParameterName(size_t at) const;
    size_t parameterStart() const;

    std::vector<Item> items;
    std::vector<RequestValue> args, values;
    std::vector<RtToken> tokens;
};

}  // namespace quillet

#endif
