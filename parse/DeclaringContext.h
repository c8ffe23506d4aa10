// A context that only records declarations in the process-wide table: the
// parser declares the standard tokens through it, whatever its target is.
#ifndef QUILLET_PARSE_DECLARINGCONTEXT_H
#define QUILLET_PARSE_DECLARINGCONTEXT_H

#include "quillet/DeclTable.h"
#include "quillet/ForwardingContext.h"

namespace quillet {

class DeclaringContext : public ForwardingContext {
public:
    RtToken Declare(const char *name, const char *declaration) override { return declareRequest(name, declaration); }
};

}  // namespace quillet

#endif
