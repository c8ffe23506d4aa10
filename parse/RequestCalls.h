// Passes a parsed request to the target's operation: checks the lengths of
// its arrays and the values of its parameters against the count rules that
// the writer uses, maps handles, names back to functions, and makes the call.
#ifndef QUILLET_PARSE_REQUESTCALLS_H
#define QUILLET_PARSE_REQUESTCALLS_H

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "parse/ParsedRequest.h"
#include "quillet/RenderContext.h"

namespace quillet {

class RequestCaller {
public:
    using Reporter = std::function<void(const std::string &message)>;

    RequestCaller(RenderContext &target, Reporter report);

    // False when the request could not be passed on (reported). Parameters
    // whose values do not fit are reported and left out of a request that
    // goes on.
    bool call(ParsedRequest &request);

private:
    bool counts(ParsedRequest &r, ClassCounts &out);
    bool expectLength(ParsedRequest &r, const char *what, size_t length, long wanted);
    void buildParamList(ParsedRequest &r, const ClassCounts &counts);
    bool dispatch(ParsedRequest &r);
    RtInt vertexCountOfParams(ParsedRequest &r, bool &ok);
    bool expectIndicesInRange(ParsedRequest &r, size_t at);
    // A handle of the stream, an integer or a name, and its table.
    template <typename Handle>
    struct HandleTable {
        std::unordered_map<RtInt, Handle> numbered;
        std::unordered_map<std::string, Handle> named;
    };
    template <typename Handle>
    bool findHandle(ParsedRequest &r, size_t at, const HandleTable<Handle> &table, const char *undefined, Handle &out);
    template <typename Handle>
    void keepHandle(ParsedRequest &r, size_t at, HandleTable<Handle> &table, Handle handle);
    // The list with "__handleid" added for a named handle at argument at.
    void addHandleName(ParsedRequest &r, size_t at);

    RenderContext &target;
    Reporter report;
    HandleTable<RtLightHandle> lights;
    HandleTable<RtObjectHandle> objects;
    RtToken handleName = nullptr;
    RtInt uStep = 3, vStep = 3;
    RtInt derivedVertices = 0;  // of Polygon and Points
    std::vector<RtToken> tokens;
    std::vector<RtPointer> values;
};

}  // namespace quillet

#endif
