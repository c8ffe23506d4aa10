#include "parse/UnknownRequest.h"

#include "quillet/DeclTable.h"

namespace quillet {

void UnknownRequest::clear() {
    items.clear();
    ints.clear();
    floats.clear();
    strings.clear();
}

void UnknownRequest::add(RequestValue::Type type, bool array, size_t offset, size_t count) {
    items.push_back({type, array, offset, count});
}

RequestValue UnknownRequest::valueOf(const Item &item) {
    const void *data = nullptr;
    switch (item.type) {
    case RequestValue::Type::Integer: data = ints.data() + item.offset; break;
    case RequestValue::Type::Float: data = floats.data() + item.offset; break;
    case RequestValue::Type::String: data = strings.data() + item.offset; break;
    }
    return RequestValue{item.type, item.array, static_cast<RtInt>(item.count), data};
}

bool UnknownRequest::isParameterName(size_t at) const {
    const Item &item = items[at];
    if (item.type != RequestValue::Type::String || item.array || at + 1 >= items.size()) return false;
    return DeclTable::lookup(strings[item.offset]) != nullptr;
}

size_t UnknownRequest::parameterStart() const {
    for (size_t start = 0; start < items.size(); ++start) {
        if (!isParameterName(start)) continue;
        bool pairs = (items.size() - start) % 2 == 0;
        for (size_t at = start; pairs && at < items.size(); at += 2) pairs = isParameterName(at);
        if (pairs) return start;
    }
    return items.size();
}

void UnknownRequest::call(RenderContext &target, RtToken name) {
    args.clear();
    values.clear();
    tokens.clear();
    const size_t start = parameterStart();
    for (size_t at = 0; at < start; ++at) args.push_back(valueOf(items[at]));
    for (size_t at = start; at + 1 < items.size(); at += 2) {
        tokens.push_back(strings[items[at].offset]);
        values.push_back(valueOf(items[at + 1]));
    }
    target.UnknownRequestV(name, static_cast<RtInt>(args.size()), args.data(), static_cast<RtInt>(tokens.size()),
                           tokens.data(), values.data());
}

}  // namespace quillet
