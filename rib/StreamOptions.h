// The "rib" stream options: the pair rules shared by the "rib" options of
// RiOption and by the option list of a new RibWriter, and the defaults that
// RiOption sets for the next RiBegin.
#ifndef QUILLET_STREAMOPTIONS_H
#define QUILLET_STREAMOPTIONS_H

#include <string>

#include "quillet/RibWriter.h"

namespace quillet {

// "format" (string, "binary" selects binary), "binary" (RtInt), "compression"
// (string, "gzip" sets the flag), "precision" (RtInt 0 to 9, or
// kDefaultPrecision for "%g"), "gziplevel" (RtInt 0 to 12; other values of
// these two are reported as range errors and ignored),
// "archive" (RtInt) and, when acceptGzipFlag, "gzip" (RtInt). Other tokens,
// null tokens and null values change nothing.
void applyStreamOption(RtToken token, RtPointer value, StreamOptions &options, bool acceptGzipFlag);
// The options of a new RibWriter's option list, applied in order from the
// defaults, "gzip" included.
StreamOptions streamOptionsFromList(RtInt n, RtToken tokens[], RtPointer values[]);

// "rib" or "RIB" options given with no stream: they become the defaults of
// the calling thread's next stream, and of the next stream of every thread
// that has never given any. Other names change nothing.
void applyRibOptions(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]);
// The options of the calling thread's next RiBegin.
StreamOptions nextStreamOptions();
// Sets them, as the "rib" options do (the function target is not kept).
void setNextStreamOptions(const StreamOptions &options);
// True when name is "rib" or "RIB".
bool isRibOptionName(RtToken name);

// Why a "rib" option's value is not one the option knows, empty when it is:
// a "format" other than "ascii" or "binary", a "compression" other than
// "gzip" or "none", a "precision" or "gziplevel" out of range. The C
// interface keeps reading other "format" and "compression" texts as ASCII and
// no compression; callers that can refuse a call refuse them all.
std::string streamOptionProblem(RtToken token, RtPointer value);

// The declaration of the value that applyStreamOption reads for token
// ("string" or "integer"), null for a token that is not a "rib" option.
const char *streamOptionDeclaration(RtToken token);

}  // namespace quillet

#endif
