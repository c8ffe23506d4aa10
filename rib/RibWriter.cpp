// Life cycle of a RIB stream: the writer opens its target, writes the header
// and has the standard tokens declared; destroying it ends the stream.
#include "quillet/RibWriter.h"

#include <charconv>
#include <cstring>
#include <string>

#include "decl/Predeclare.h"
#include "format/FormatString.h"
#include "decl/StringPool.h"
#include "ri/ParamList.h"
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

RibWriter::RibWriter(const char *name, ...)
    : target(new StreamTarget), out(new OutputBuffer(target.get())), floatPrecision(kDefaultPrecision),
      gzipLevel(GzipPieces::kDefaultLevel) {
    QUILLET_PARAM_LIST(options, name);
    applyOptions(options);
    if (name) targetName = StringPool::intern(name);
    const bool compressedFile = isFileTarget(targetName) && endsWith(targetName, kCompressedSuffix);
    target->open(targetName, isPipe);
    if (compressedFile) target->compress(gzipLevel);
    begin();
}

RibWriter::RibWriter(OpenStream stream, ...)
    : target(new StreamTarget), out(new OutputBuffer(target.get())), floatPrecision(kDefaultPrecision),
      gzipLevel(GzipPieces::kDefaultLevel) {
    QUILLET_PARAM_LIST(options, stream);
    applyOptions(options);
    if (stream.name) targetName = StringPool::intern(stream.name);
    target->adopt(stream.stream);
    if (stream.gzip) target->compress(gzipLevel);
    begin();
}

void RibWriter::applyOptions(ParamList &options) {
    FileForm form = {gzipLevel, archiveFile};
    for (RtInt i = 0; i < options.count(); ++i)
        applyStreamOption(options.tokens()[i], options.values()[i], binaryEncoding, compressed, floatPrecision, form,
                          true);
    gzipLevel = form.gzipLevel;
    archiveFile = form.archive;
}

void RibWriter::begin() {
    echoDeclare = 1;
    if (archiveFile) {
        writeBytes(kArchiveHeader, sizeof kArchiveHeader - 1);
    } else {
        out->put(kStructureLine, sizeof kStructureLine - 1);
        out->put(kVersionWord, sizeof kVersionWord - 1);
        out->put(kLibraryVersion, sizeof kLibraryVersion - 1);
        out->put('\n');
    }
    declareStandardTokens();
}

// Only while the header has not left the buffer; a later version line is
// not written, and an archive file's header has none.
RtVoid RibWriter::Version(RtFloat version) {
    if (archiveFile) return;
    RtFloat library = 0;
    std::from_chars(kLibraryVersion, kLibraryVersion + sizeof kLibraryVersion - 1, library);
    if (!(version > library)) return;
    const std::string text = formatString(kVersionFormat, double(version));
    const size_t at = sizeof kStructureLine - 1 + sizeof kVersionWord - 1;
    out->replaceAtStart(at, sizeof kLibraryVersion - 1, text.data(), text.size());
}

RibWriter::~RibWriter() {
    out->put('\n');
    out->flush();
    target->end(targetName);
}

}  // namespace quillet
