#include "StreamChecker.h"

#include "RequestShapes.h"

StreamChecker::StreamChecker() {}

std::vector<std::string> StreamChecker::check(const RibRequest &request)
{
    std::vector<std::string> problems;
    if (request.kind == RibRequest::Kind::Comment)
        return problems;
    const RequestShape *shape = findRequestShape(request.keyword);
    if (!shape) {
        problems.push_back("unknown request \"" + request.keyword + "\"");
        return problems;
    }
    SplitRequest split;
    std::string problem;
    if (!splitRequest(request, *shape, split, problem))
        problems.push_back(request.keyword + ": " + problem);
    return problems;
}
