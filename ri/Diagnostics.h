// The one point through which every diagnostic of the library and its parser
// passes: to the host's error function when one is installed, otherwise to
// the standard error stream in the form that each report has always had.
// Reports are delivered one at a time, whatever thread makes them.
#ifndef QUILLET_DIAGNOSTICS_H
#define QUILLET_DIAGNOSTICS_H

#include "quillet/ri.h"

namespace quillet {

// An interface error. Without a host function it goes to RiErrorPrint, which
// prints it and ends the process when it is severe.
void reportError(RtInt code, RtInt severity, const char *message);

// A report with a printed form of its own. Without a host function, printed
// is written to the standard error stream as it stands and, when exitStatus
// is not 0, the process ends with that status. The host's function receives
// message, or printed without its surrounding newlines when message is null.
void reportText(RtInt code, RtInt severity, const char *printed, const char *message = nullptr, int exitStatus = 0);

// True while a host function is installed.
bool hostTakesErrors();

}  // namespace quillet

#endif
