// Fuzz target: ribcat --check. The checker judges every parsed request of
// arbitrary bytes and what is still open at the end.
#include "fuzz/ParsedStreams.h"
#include "tools/ribcat/StreamChecker.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    CheckDiagnostics diagnostics("fuzz: ", [](size_t) {});
    diagnostics.setSource("fuzz");
    StreamChecker checker(diagnostics);
    quillet::RibParseResult result = quillet::parseRib(data, size, "fuzz", checker, diagnostics);
    diagnostics.line = 0;
    if (result.complete) checker.finish();
    return 0;
}
