// Checks requests as ribcat --check does: known keywords, the shapes of
// their fixed arguments, and for every parameter the number of values that
// its declaration and the request's counts call for.
#ifndef RIBCAT_STREAMCHECKER_H
#define RIBCAT_STREAMCHECKER_H

#include <string>
#include <vector>

#include "RibRequest.h"

class StreamChecker {
public:
    StreamChecker();
    // The problems of one request, each a line of text without a newline.
    std::vector<std::string> check(const RibRequest &request);

private:
    int uStep = 3, vStep = 3;
};

#endif
