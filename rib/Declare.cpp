// The Declare request: echoed while echoDeclare is set, then recorded.
#include "decl/DeclTable.h"
#include "rib/RibWriter.h"
#include "rib/StreamOptions.h"

namespace quillet {

RtToken RibWriter::Declare(const char *name, const char *declaration) {
    if (echoDeclare) {
        writef("Declare ");
        writeQuotedList({name, declaration});
        writef("\n");
    }
    return declareRequest(name, declaration);
}

}  // namespace quillet
