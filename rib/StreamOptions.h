// The "rib" stream options and the process-wide state behind them: the
// defaults that the next RiBegin hands to its writer and the echo of Declare
// requests. The pair rules are shared by the "rib" options of RiOption and by
// the option list of a new RibWriter.
#ifndef QUILLET_STREAMOPTIONS_H
#define QUILLET_STREAMOPTIONS_H

#include <string>

#include "quillet/ri.h"

namespace quillet {

// The "rib" stream options: defaults that the next RiBegin hands to its writer.
extern RtInt ribBinaryDefault;
extern RtInt ribCompressionDefault;
// kDefaultPrecision ("%g"), or 0 to 9 (rib/FloatFormat.h).
extern RtInt ribPrecisionDefault;
// The level of a compressed stream's gzip members (0 to 12), and whether a
// stream is an archive file (its header is the "Entity" line).
extern RtInt ribGzipLevelDefault;
extern RtInt ribArchiveDefault;
// While set, Declare requests are echoed into the stream.
extern RtInt echoDeclare;

// How a stream's file is made, beside its encoding: the gzip level of a
// compressed stream and the archive-file header.
struct FileForm {
    RtInt gzipLevel;
    RtInt archive;
};

// "format" (string, "binary" selects binary), "binary" (RtInt), "compression"
// (string, "gzip" sets the flag), "precision" (RtInt 0 to 9, or
// kDefaultPrecision for "%g"), "gziplevel" (RtInt 0 to 12; other values of
// these two are reported as range errors and ignored),
// "archive" (RtInt) and, when acceptGzipFlag, "gzip" (RtInt). Other tokens,
// null tokens and null values change nothing.
void applyStreamOption(RtToken token, RtPointer value, RtInt &binary, RtInt &compressed, RtInt &precision,
                       FileForm &form, bool acceptGzipFlag);

// Applies "format", "binary", "compression", "precision", "gziplevel" and
// "archive" when name is "rib" or "RIB".
void applyRibOptions(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]);
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
