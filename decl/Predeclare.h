// Declares the standard parameters in the process-wide table, as every new
// stream, parse and preview does before its first request.
#ifndef QUILLET_PREDECLARE_H
#define QUILLET_PREDECLARE_H

namespace quillet {

// Does nothing when no named declaration has changed since the last call:
// the table then holds the standard declarations already, and a short
// stream does not pay for declaring them all again.
void declareStandardTokens();

}  // namespace quillet

#endif
