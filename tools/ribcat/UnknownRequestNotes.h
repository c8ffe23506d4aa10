// Passes every request on to the writer and says once per keyword, on the
// standard error stream, that a request the library does not know is
// written as it stands.
#ifndef QUILLET_RIBCAT_UNKNOWNREQUESTNOTES_H
#define QUILLET_RIBCAT_UNKNOWNREQUESTNOTES_H

#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "quillet/ForwardingContext.h"
#include "quillet/RibParser.h"

class UnknownRequestNotes : public quillet::ForwardingContext {
public:
    explicit UnknownRequestNotes(quillet::RenderContext &next) : ForwardingContext(&next) {}

    RtVoid UnknownRequestV(RtToken name, RtInt nargs, const quillet::RequestValue args[], RtInt n, RtToken tokens[],
                           const quillet::RequestValue values[]) override {
        if (noted.insert(name).second) {
            std::string shown = quillet::printableText(name, std::strlen(name));
            std::fprintf(stderr, "ribcat: unknown request \"%s\" written as it stands\n", shown.c_str());
        }
        ForwardingContext::UnknownRequestV(name, nargs, args, n, tokens, values);
    }

private:
    std::set<std::string> noted;
};

#endif
