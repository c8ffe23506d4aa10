// Writes requests back as pure ASCII RIB: one request a line, floats with
// "%g", strings quoted with the RIB escapes.
#ifndef QUILLET_TOOLS_RIBTEXT_H
#define QUILLET_TOOLS_RIBTEXT_H

#include <string>

#include "RibRequest.h"

std::string formatRibNumber(double value, bool integer);
std::string formatRibString(const std::string &text);
std::string formatRibValue(const RibValue &value);
// The request or comment without its newline.
std::string formatRibRequest(const RibRequest &request);

#endif
