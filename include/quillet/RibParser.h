// Reading RIB back through the interface. parseRib reads a stream (ASCII or
// binary, plain or gzip-compressed, recognised by its first bytes) and calls
// the list-form operations of any RenderContext with the arguments that the
// stream's writer passed: parsing into a RibWriter writes the stream again.
//
// - Declare reaches the target's Declare; inline declarations stay in their
//   tokens. Every parameter carries exactly the values its declaration and
//   the request's counts call for, or it is reported and left out.
// - Light and object handles of the stream are mapped to the handles that
//   the target returns.
// - Filters, procedurals, error handlers and standard bases named in the
//   stream are passed as the library's own functions and matrices.
// - "#" and "##" comments arrive as ArchiveRecord("comment" / "structure");
//   ReadArchive arrives as a request and is not followed.
// - The header lines that a writer produces itself ("##RenderMan
//   RIB-Structure 1.0" first, "version ...") are consumed. A version line
//   before every other request (comments aside) reaches Version(); a second
//   one, or one after a request, is reported and dropped.
//
// Problems are reported with the source, line and byte offset; the request
// in hand is dropped and reading goes on at the next request keyword. A byte
// that cannot start any token ends the parse. Memory is bounded by the
// largest request and by RibParseLimits: the stream is read in pieces, a
// length that the input claims is never allocated ahead of the bytes that
// fill it, and a comment, string or array longer than its cap is reported
// where the cap is reached and skipped. Running out of memory ends the parse
// with one report; no exception leaves parseRib.
#ifndef QUILLET_RIBPARSER_H
#define QUILLET_RIBPARSER_H

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "quillet/RenderContext.h"

namespace quillet {

// One problem in a stream and where it starts.
struct RibParseError {
    std::string source;   // file name, "<stdin>", or the name given with memory
    size_t line = 0;      // 1-based; 0 when the source could not be read at all
    size_t offset = 0;    // 0-based byte offset in the uncompressed stream
    std::string message;  // printable: non-printing bytes are escaped
};

// "<source>:<line>: byte <offset>: <message>", or "<source>: <message>" for
// line 0.
QUILLET_API std::string formatRibParseError(const RibParseError &error);

// Text safe to print on a terminal: bytes outside printable ASCII, and the
// backslash, become \n, \t, \\ or \xHH.
QUILLET_API std::string printableText(const char *text, size_t length);

// Where a parse reports. The base class prints each error as one line
// (formatRibParseError) on the standard error stream.
class QUILLET_API RibDiagnostics {
public:
    virtual ~RibDiagnostics();
    virtual void error(const RibParseError &error);
    // Asked before each request is passed on, with where the request
    // starts; false ends the parse there.
    virtual bool proceed(size_t line, size_t offset);
    // Told before proceed how many bytes of the uncompressed stream have
    // been read: the request in hand and everything before it.
    virtual void reached(size_t bytesRead);
};

// What one parse may hold. Inflated input is read in constant memory
// whatever its length; these bound what a request keeps.
struct RibParseLimits {
    size_t commentBytes = size_t(1) << 20;  // the text of one comment
    size_t stringBytes = size_t(16) << 20;  // one string
    size_t arrayValues = size_t(1) << 27;   // the values of one array
    // The strings of one request as handed on, a defined string counted at
    // each use: what one request can make its target write.
    size_t requestTextBytes = size_t(1) << 30;
    // Everything held at once: the values and strings of the request in
    // hand, the comments met inside it and the binary string definitions.
    // Past it the request is reported and dropped.
    uint64_t memoryBytes = uint64_t(4) << 30;
};

struct RibParseResult {
    size_t requests = 0;    // requests passed to the target
    size_t errors = 0;      // problems reported
    bool complete = false;  // the whole stream was read
};

// A file by name; "-" is the standard input stream ("<stdin>" in reports).
QUILLET_API RibParseResult parseRib(const char *fileName, RenderContext &target, RibDiagnostics &diagnostics,
                                    const RibParseLimits &limits = RibParseLimits());
// An open stream, read to its end and left open.
QUILLET_API RibParseResult parseRib(FILE *stream, const char *sourceName, RenderContext &target,
                                    RibDiagnostics &diagnostics, const RibParseLimits &limits = RibParseLimits());
// Bytes in memory.
QUILLET_API RibParseResult parseRib(const void *data, size_t size, const char *sourceName, RenderContext &target,
                                    RibDiagnostics &diagnostics, const RibParseLimits &limits = RibParseLimits());

}  // namespace quillet

#endif
