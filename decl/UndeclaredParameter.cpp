#include "decl/UndeclaredParameter.h"

#include "format/FormatString.h"

namespace quillet {

namespace {

const char kUndeclaredParameter[] =
    "undeclared parameter \"%s\": declare it, or write its type inline: \"uniform %s %s\"";
const char kFloatType[] = "float";
const char kStringType[] = "string";

}  // namespace

std::string undeclaredParameterText(const char *token, UndeclaredValues values) {
    const char *type = values == UndeclaredValues::Strings ? kStringType : kFloatType;
    return formatString(kUndeclaredParameter, token, type, token);
}

}  // namespace quillet
