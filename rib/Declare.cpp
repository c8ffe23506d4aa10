// The Declare request: echoed while echoDeclare is set, then recorded; and
// the Declare lines that a stream writes for declarations made while another
// stream was open.
#include <unordered_set>

#include "quillet/DeclTable.h"
#include "quillet/RibWriter.h"
#include "rib/StreamOptions.h"

namespace quillet {

namespace {

// Declarations made through a stream's Declare request: process-wide like
// the table, so a later stream writes them again before it uses them.
std::unordered_set<const ParamDecl *> &userDeclarations() {
    static auto *declared = new std::unordered_set<const ParamDecl *>;
    return *declared;
}

}  // namespace

void RibWriter::writeDeclare(const char *name, const char *declaration) {
    writef("Declare ");
    writeQuotedList({name, declaration});
    writef("\n");
}

// A declaration without a readable type is reported and not echoed: its
// parameters are never written.
RtToken RibWriter::Declare(const char *name, const char *declaration) {
    const bool echoed = echoDeclare && isReadableDeclaration(declaration);
    if (echoed) writeDeclare(name, declaration);
    RtToken token = declareRequest(name, declaration);
    if (echoed && declaration && *declaration) {
        if (const ParamDecl *record = DeclTable::lookup(token)) {
            userDeclarations().insert(record);
            writtenDeclarations.insert(record);
        }
    }
    return token;
}

void RibWriter::declareForStream(RtInt n, RtToken tokens[]) {
    if (!tokens) return;
    for (RtInt i = 0; i < n; ++i) {
        const ParamDecl *record = tokens[i] ? DeclTable::lookup(tokens[i]) : nullptr;
        // A declaration made unreadable since (its pairs are dropped) is not
        // carried: its line would not read back as a declaration.
        if (!record || record->type == ParamType::None || userDeclarations().count(record) == 0 ||
            !writtenDeclarations.insert(record).second)
            continue;
        char declaration[64];
        record->format(declaration, sizeof declaration);
        writeDeclare(record->tokenName, declaration);
    }
}

}  // namespace quillet
