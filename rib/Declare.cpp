// The Declare request: echoed while echoDeclare is set, then recorded.
#include "decl/DeclTable.h"
#include "rib/RibWriter.h"
#include "rib/StreamOptions.h"

namespace quillet {

// A declaration without a readable type is reported and not echoed: its
// parameters are never written.
RtToken RibWriter::Declare(const char *name, const char *declaration) {
    const bool readable = !declaration || !*declaration || parseDeclaration(declaration).type != ParamType::None;
    if (echoDeclare && readable) {
        writef("Declare ");
        writeQuotedList({name, declaration});
        writef("\n");
    }
    return declareRequest(name, declaration);
}

}  // namespace quillet
