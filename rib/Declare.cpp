// The Declare request: echoed while echoDeclare is set, then recorded; and
// the Declare lines that a stream writes for declarations made while another
// stream was open.
#include "quillet/DeclTable.h"
#include "rib/RibStream.h"

namespace quillet {

void RibStream::writeDeclare(const char *name, const char *declaration) {
    writef("Declare ");
    writeQuotedList({name, declaration});
    writef("\n");
}

// A declaration without a readable type is reported and not echoed: its
// parameters are never written.
RtToken RibStream::Declare(const char *name, const char *declaration) {
    const bool echoed = echoDeclare && isReadableDeclaration(declaration);
    if (echoed) writeDeclare(name, declaration);
    RtToken token = declareRequest(name, declaration);
    if (echoed && declaration && *declaration) {
        if (ParamDecl *record = DeclTable::lookup(token)) {
            record->declaredByRequest.store(true, std::memory_order_release);
            writtenDeclarations.insert(record);
        }
    }
    return token;
}

void RibStream::declareForStream(RtInt n, RtToken tokens[]) {
    if (!tokens) return;
    for (RtInt i = 0; i < n; ++i) {
        const ParamDecl *record = tokens[i] ? DeclTable::lookup(tokens[i]) : nullptr;
        // A declaration made unreadable since (its pairs are dropped) is not
        // carried: its line would not read back as a declaration.
        if (!record || record->type == ParamType::None || !record->declaredByRequest.load(std::memory_order_acquire) ||
            !writtenDeclarations.insert(record).second)
            continue;
        char declaration[64];
        record->format(declaration, sizeof declaration);
        writeDeclare(record->tokenName, declaration);
    }
}

}  // namespace quillet
