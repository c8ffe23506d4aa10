// Opening and ending the target of a RIB stream: a file, the standard output
// stream or a pipe into a program.
#ifndef QUILLET_STREAMTARGET_H
#define QUILLET_STREAMTARGET_H

#include <cstdio>

#include "ri/ri.h"

namespace quillet {

// Opens the target that name selects: null is the standard output stream;
// "raylume", "glimpse" and "prman" are piped into; "|command" pipes into the
// command (name is moved past the bar); anything else is a file. When the
// target cannot be opened, a message goes to the standard error stream and
// the process exits with status 1.
FILE *openStreamTarget(const char *&name, RtInt &isPipe);

// Ends the stream: the standard output stream is only checked, any other
// target is flushed and closed (a pipe waits for its program). A write error,
// a failed close or a program that did not succeed is reported once through
// RiErrorPrint; the process goes on.
void endStreamTarget(FILE *out, bool isPipe, const char *name);

}  // namespace quillet

#endif
