// Where the lathe sample finds the previewer it pipes its scene into.
#ifndef QUILLET_APP_GLIMPSEPATH_H
#define QUILLET_APP_GLIMPSEPATH_H

#include <string>

// The glimpse program beside the running program first, then the first one
// on PATH; "" when there is none.
std::string findGlimpse();

// The target that RiBegin takes for a pipe into the program at path: "|"
// and the path quoted for the shell that runs it.
std::string pipeTarget(const std::string &path);

#endif
