#include "decl/HandleId.h"

#include <cstring>
#include <string>

#include "quillet/DeclTable.h"

namespace quillet {

const char kHandleIdToken[] = "__handleid";

namespace {

bool namesHandleId(RtToken token) {
    if (!token) return false;
    int prefix = inlinePrefixLength(token);
    if (prefix == 0) return std::strcmp(token, kHandleIdToken) == 0;
    if (std::strcmp(token + prefix, kHandleIdToken) != 0) return false;
    ParsedDeclaration declared = parseDeclaration(std::string(token, static_cast<size_t>(prefix)).c_str());
    return declared.type == ParamType::String && declared.arrayLength <= 1;
}

}  // namespace

RtInt handleIdIndex(RtInt n, const RtToken tokens[]) {
    if (!tokens) return -1;
    for (RtInt i = 0; i < n; ++i)
        if (namesHandleId(tokens[i])) return i;
    return -1;
}

const char *handleIdName(RtInt n, const RtToken tokens[], const RtPointer values[]) {
    RtInt at = handleIdIndex(n, tokens);
    if (at < 0 || !values || !values[at]) return nullptr;
    return *static_cast<const RtToken *>(values[at]);
}

}  // namespace quillet
