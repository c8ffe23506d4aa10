// Following archive reads. ArchiveFollower is a filter: every request passes
// on to the next context unchanged, except
//   - ReadArchive "name", which becomes the archive's own requests (its
//     header lines dropped), and
//   - Procedural "DelayedReadArchive" ["name"] [bound] and Procedural2
//     "DelayedReadArchive2" with "string filename", which become
//     AttributeBegin, the archive's requests, AttributeEnd; Procedural2
//     "ReadArchive2" reads as ReadArchive does.
// ReadArchive of a name that an ArchiveBegin of the stream defined is the
// inline archive: it is passed on for the next context to read.
// Archives that archives read are followed too. An archive that cannot be
// followed is reported once, with the stream and line that asked for it, and
// its request is passed on as it came; the rest of the stream goes on.
//
// A relative name is looked for in the folder of the stream that reads it,
// then in the folders of Option "searchpath" "archive" (":"-separated; "@"
// stands for the value before, "&" for the default search path), then as
// given, from the working folder; a search path set inside a frame holds
// until the frame ends. Only regular files are read (gzipped ones
// too); devices, FIFOs, folders and /proc or /sys entries are refused. A
// cycle is reported with its chain; depth, reads and bytes are bounded.
//
//     quillet::RibWriter writer("flat.rib", RI_NULL);
//     quillet::RibDiagnostics diagnostics;
//     quillet::ArchiveFollower follower(writer, diagnostics);
//     follower.parse("scene.rib");   // writes the scene with its archives inlined
//
// A program that sends requests itself (not through parse) has its names
// resolved from the working folder; reports then name the stream
// "<program>" at line 0.
#ifndef QUILLET_ARCHIVEFOLLOWER_H
#define QUILLET_ARCHIVEFOLLOWER_H

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "quillet/ForwardingContext.h"
#include "quillet/RibParser.h"

namespace quillet {

class ArchiveSearchPath;

struct ArchiveOptions {
    // What "&" stands for in a search path, and the search path before any
    // Option sets one: ":"-separated folders.
    std::string defaultSearchPath;
    size_t depth = 32;                   // archives open inside one another
    size_t reads = 100000;               // archives read by one follower
    uint64_t bytes = uint64_t(4) << 30;  // bytes of all archives read, uncompressed
    RibParseLimits limits;               // of the parse of every stream and archive
};

class QUILLET_API ArchiveFollower : public ForwardingContext {
public:
    // Requests go on to next; problems with archives, and the problems the
    // parser finds in them, go to diagnostics.
    ArchiveFollower(RenderContext &next, RibDiagnostics &diagnostics, ArchiveOptions options = ArchiveOptions());
    ~ArchiveFollower() override;

    // A stream parsed through the follower: its name is where its archives
    // are looked for first, and what reports of its requests name. "-" is
    // the standard input stream.
    RibParseResult parse(const char *fileName);
    RibParseResult parse(const void *data, size_t size, const char *sourceName);

    // The archives followed and those that could not be, each name once, as
    // the streams wrote them, in the order first met.
    const std::vector<std::string> &archivesRead() const { return read; }
    const std::vector<std::string> &archivesNotRead() const { return notRead; }

    RtVoid OptionV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;
    // A search path set inside a frame holds until the frame ends, as every
    // option does.
    RtVoid FrameBegin(RtInt frame) override;
    RtVoid FrameEnd() override;
    RtVoid ReadArchiveV(RtToken name, RtArchiveCallback callback, RtInt n, RtToken tokens[],
                        RtPointer values[]) override;
    RtVoid Procedural(RtPointer data, RtBound bound, RtProcSubdivFunc subdivfunc, RtProcFreeFunc freefunc) override;
    RtVoid Procedural2V(RtProc2SubdivFunc subdivfunc, RtProc2BoundFunc boundfunc, RtInt n, RtToken tokens[],
                        RtPointer values[]) override;
    RtArchiveHandle ArchiveBeginV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid VArchiveRecord(RtToken type, const char *format, va_list args) override;
    // An archive's version line is its own: only the top-level stream's goes on.
    RtVoid Version(RtFloat version) override;

private:
    class Stream;

    // True when the archive was followed; false when it was reported.
    bool follow(const char *name, bool delayed);
    void report(const std::string &message);
    RibParseResult parseArchive(FILE *file, const std::string &path);
    static void remember(std::vector<std::string> &names, const std::string &name);

    RibDiagnostics &diagnostics;
    ArchiveOptions options;
    std::unique_ptr<ArchiveSearchPath> searchPath;
    std::vector<ArchiveSearchPath> searchPathsOfFrames;  // as each open frame began
    std::vector<Stream *> streams;                       // the top-level stream, then each archive open in it
    size_t readsDone = 0;
    uint64_t bytesDone = 0;  // of archives that have ended
    bool bytesExhausted = false;
    std::vector<std::string> read, notRead;
    std::vector<std::string> inlineArchives;
};

}  // namespace quillet

#endif
