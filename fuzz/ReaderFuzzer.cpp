// Fuzz target: the RIB reader of the tools, the ASCII printer and the stream
// checker of ribcat on arbitrary bytes. A request printed as ASCII must read
// back as one request that prints the same, unless it holds a number that
// ASCII RIB cannot express (infinities and NaNs print as printf's "inf" and
// "nan", which no reader accepts).
#include <cmath>
#include <cstdint>
#include <string>

#include "RibReader.h"
#include "RibText.h"
#include "StreamChecker.h"

namespace {

void require(bool condition) {
    if (!condition) __builtin_trap();
}

void ignoreError(const RibError &) {}

bool allFinite(const RibRequest &request) {
    for (const RibValue &value : request.args) {
        if (!std::isfinite(value.number)) return false;
        for (double number : value.numbers)
            if (!std::isfinite(number)) return false;
    }
    return true;
}

void checkReadsBack(const std::string &line) {
    RibReader again(line + "\n", ignoreError);
    RibRequest copy;
    require(again.next(copy));
    require(formatRibRequest(copy) == line);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    RibReader reader(std::string(reinterpret_cast<const char *>(data), size), ignoreError);
    StreamChecker checker;
    RibRequest request;
    size_t requests = 0;
    while (reader.next(request)) {
        require(++requests <= size + 1);
        const std::string line = formatRibRequest(request);
        if (request.kind == RibRequest::Kind::Request && allFinite(request)) checkReadsBack(line);
        (void)checker.check(request);
    }
    return 0;
}
