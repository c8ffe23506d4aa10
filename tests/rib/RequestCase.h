// A table row for request tests: one call against a writer and the request
// text it must produce between the stream header and the final newline.
#ifndef QUILLET_TESTS_REQUESTCASE_H
#define QUILLET_TESTS_REQUESTCASE_H

#include <functional>
#include <string>
#include <vector>

#include "quillet/GlobalNames.h"
#include "tests/rib/StreamCapture.h"

namespace quillet_test {

struct RequestCase {
    const char *label;
    std::function<void(RibWriter &)> call;
    std::string expected;
};

// Checks every row in a stream of its own, in the given encoding.
inline void expectRequests(const std::vector<RequestCase> &cases, bool binary = false) {
    for (const RequestCase &row : cases) {
        EXPECT_EQ(captureStream(row.call, binary), wholeStream(row.expected)) << row.label;
    }
}

// A filter of the caller's own, which a stream cannot name: it writes "".
inline RtFloat ownFilter(RtFloat, RtFloat, RtFloat, RtFloat) {
    return 1;
}

}  // namespace quillet_test

#endif
