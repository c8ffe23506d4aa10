// Helpers for the parser's tests: streams that the library writes in memory,
// streams parsed back into a writer, and the errors a parse reports.
#ifndef QUILLET_TESTS_PARSESUPPORT_H
#define QUILLET_TESTS_PARSESUPPORT_H

#include <string>
#include <vector>

#include "quillet/ArchiveFollower.h"
#include "quillet/RibParser.h"

// The stream that a RibWriter writes while scene() calls the entry points.
std::string writtenStream(void (*scene)(), bool binary);

struct Reparsed {
    std::string stream;  // what a RibWriter wrote for the parsed requests
    std::string errors;  // each error as formatRibParseError, one a line
    quillet::RibParseResult result;
};
// Parses input (named "in") into a RibWriter writing ASCII or binary.
Reparsed reparse(const std::string &input, bool binary,
                 const quillet::RibParseLimits &limits = quillet::RibParseLimits());

// Parses the file at path through an ArchiveFollower with these options
// into an ASCII RibWriter; requests(follower) then sends requests of its own.
Reparsed reparseFollowing(const std::string &path, const quillet::ArchiveOptions &options,
                          void (*requests)(quillet::RenderContext &follower) = nullptr);

// Collects the errors as lines of text.
class CollectedErrors : public quillet::RibDiagnostics {
public:
    void error(const quillet::RibParseError &error) override;
    std::string text;
};

#endif
