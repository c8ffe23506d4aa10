// Checks requests as ribcat --check does: known keywords, the shapes of
// their fixed arguments, the lengths of their arrays, and for every
// parameter the number of values that its declaration and the request's
// counts call for. The declarations are the library's own table, so the
// stream's Declare requests and inline declarations are read by the same
// grammar that the writer uses, and the counts come from the writer's count
// rules.
#ifndef RIBCAT_STREAMCHECKER_H
#define RIBCAT_STREAMCHECKER_H

#include <string>
#include <vector>

#include "RequestShapes.h"
#include "RibRequest.h"
#include "rib/GeometryCounts.h"

class StreamChecker {
public:
    StreamChecker();
    // The problems of one request, each a line of text without a newline.
    std::vector<std::string> check(const RibRequest &request);

private:
    // Counts of the storage classes for the request's parameters; false
    // when the request's own arrays are inconsistent (problems added).
    bool counts(const std::string &keyword, const SplitRequest &r, quillet::ClassCounts &out,
                std::vector<std::string> &problems);
    void checkParams(const std::string &keyword, const SplitRequest &r, const quillet::ClassCounts &counts,
                     std::vector<std::string> &problems);

    RtInt uStep = 3, vStep = 3;
};

#endif
