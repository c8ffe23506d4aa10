// Life cycle of a RIB stream: the stream opens its target, writes the header
// and has the standard tokens declared; destroying it ends the stream.
#include "rib/RibStream.h"

#include <charconv>
#include <cstring>
#include <string>

#include "decl/Predeclare.h"
#include "format/FormatString.h"
#include "decl/StringPool.h"
#include "format/FloatFormat.h"
#include "rib/GzipPieces.h"
#include "rib/OutputBuffer.h"
#include "rib/StreamOptions.h"
#include "rib/StreamTarget.h"

namespace quillet {

namespace {

// The header: the structure line, then "version " and the interface version
// that the library writes, which a stream of a later version raises.
const char kStructureLine[] = "##RenderMan RIB-Structure 1.0\n";
const char kVersionWord[] = "version ";
const char kLibraryVersion[] = "3.03";
const char kVersionFormat[] = "%g";
const char kArchiveHeader[] = "##RenderMan RIB-Structure 1.1 Entity\n";
const char kCompressedSuffix[] = ".gz";

bool endsWith(const char *text, const char *suffix) {
    const size_t length = std::strlen(text), suffixLength = std::strlen(suffix);
    return length >= suffixLength && std::strcmp(text + length - suffixLength, suffix) == 0;
}

}  // namespace

RibStream::RibStream(RibWriter::OpenStream stream, const StreamOptions &options)
    : target(new StreamTarget), out(new OutputBuffer(target.get())), floatPrecision(kDefaultPrecision),
      gzipLevel(GzipPieces::kDefaultLevel) {
    applyOptions(options);
    if (stream.name) targetName = StringPool::intern(stream.name);
    target->adopt(stream.stream);
    if (stream.gzip) target->compress(gzipLevel);
    begin();
}

RibStream::RibStream(const char *name, const StreamOptions &options)
    : target(new StreamTarget), out(new OutputBuffer(target.get())), floatPrecision(kDefaultPrecision),
      gzipLevel(GzipPieces::kDefaultLevel) {
    applyOptions(options);
    if (options.sink) {
        if (name) targetName = StringPool::intern(name);
        target->attach(options.sink);
    } else {
        openTarget(name);
    }
    begin();
}

// A file name ending in ".gz" makes a compressed stream.
void RibStream::openTarget(const char *name) {
    if (name) targetName = StringPool::intern(name);
    const bool compressedFile = isFileTarget(targetName) && endsWith(targetName, kCompressedSuffix);
    if (target->open(targetName, isPipe) && compressedFile) target->compress(gzipLevel);
}

void RibStream::applyOptions(const StreamOptions &options) {
    binaryEncoding = options.binary ? 1 : 0;
    compressed = options.gzip ? 1 : 0;
    floatPrecision = isFloatPrecision(options.precision) ? options.precision : kDefaultPrecision;
    if (GzipPieces::isLevel(options.gzipLevel)) gzipLevel = options.gzipLevel;
    archiveFile = options.archive ? 1 : 0;
}

bool RibStream::opened() const {
    return target->opened();
}

// The standard declarations are made without echo: a reader knows them.
void RibStream::begin() {
    if (archiveFile) {
        writeBytes(kArchiveHeader, sizeof kArchiveHeader - 1);
    } else {
        out->put(kStructureLine, sizeof kStructureLine - 1);
        out->put(kVersionWord, sizeof kVersionWord - 1);
        out->put(kLibraryVersion, sizeof kLibraryVersion - 1);
        out->put('\n');
        std::from_chars(kLibraryVersion, kLibraryVersion + sizeof kLibraryVersion - 1, headerVersion);
        headerVersionLength = sizeof kLibraryVersion - 1;
    }
    declareStandardTokens();
    echoDeclare = true;
}

// Raises the header's number, only while the header has not left the
// buffer: the header carries the highest version named by then. A later or
// lower version line is not written, and an archive file's header has none.
RtVoid RibStream::Version(RtFloat version) {
    if (archiveFile || !(version > headerVersion)) return;
    const std::string text = formatString(kVersionFormat, double(version));
    const size_t at = sizeof kStructureLine - 1 + sizeof kVersionWord - 1;
    if (!out->replaceAtStart(at, headerVersionLength, text.data(), text.size())) return;
    headerVersion = version;
    headerVersionLength = text.size();
}

RibStream::~RibStream() {
    out->put('\n');
    out->flush();
    target->end(targetName);
}

std::unique_ptr<RenderContext> openStream(const char *name, const StreamOptions &options) {
    std::unique_ptr<RibStream> writer(new RibStream(name, options));
    if (!writer->opened()) return nullptr;
    return writer;
}

}  // namespace quillet
