// The fixed arguments of every RIB request, and the split of a request's
// values into those fixed arguments and its parameter list.
#ifndef QUILLET_TOOLS_REQUESTSHAPES_H
#define QUILLET_TOOLS_REQUESTSHAPES_H

#include <string>
#include <utility>
#include <vector>

#include "RibRequest.h"

// Argument codes: n number, i integer, s string, F float array, I integer
// array, S string array, B basis (a name or 16 numbers); F may be followed
// by a fixed length. '*' stands for the optional tag arrays of
// SubdivisionMesh.
struct RequestShape {
    const char *keyword;
    const char *args;
    bool params;
};

const RequestShape *findRequestShape(const std::string &keyword);

struct SplitRequest {
    // One value per argument code; runs of numbers given as one array are
    // flattened, and an array argument given as loose numbers is gathered.
    std::vector<RibValue> fixed;
    std::vector<std::pair<std::string, RibValue>> params;
};

// Splits request by shape. False with the problem described when the values
// do not fit the shape.
bool splitRequest(const RibRequest &request, const RequestShape &shape, SplitRequest &out, std::string &problem);

#endif
