// The archive follower: each archive is parsed into the follower itself, so
// that the archives it reads are followed in turn. A stack of the streams
// open keeps where each one is (its folder, the line of its request in hand)
// for resolving names and for reports.
#include "quillet/ArchiveFollower.h"

#include <cstdarg>
#include <cstring>

#include "parse/ArchiveFiles.h"
#include "format/FormatString.h"
#include "quillet/DeclTable.h"

namespace quillet {

namespace {

const char kStdin[] = "-";
const char kStdinName[] = "<stdin>";
const char kProgramName[] = "<program>";
const char kSearchPathOption[] = "searchpath";
const char kArchivePath[] = "archive";
const char kFileNameParameter[] = "filename";
const char kStructureRecord[] = "structure";
const char kHeaderText[] = "RenderMan RIB";
const char kChainArrow[] = " -> ";
const char kCycle[] = "archive \"%s\" reads itself: %s";
const char kTooDeep[] = "archive \"%s\" not read: archives nested more than %zu deep";
const char kTooMany[] = "archive \"%s\" not read: more than %zu archives read";
const char kTooLarge[] = "archives read stopped: more than %llu bytes in all";

bool isNamed(const char *text, const char *name) {
    return text && std::strcmp(text, name) == 0;
}

// The parameter name of a token, without an inline declaration.
const char *parameterName(RtToken token) {
    return token + inlinePrefixLength(token);
}

}  // namespace

// One stream being parsed: it tells the follower where its request in hand
// starts, passes the parser's reports on, and ends an archive that goes past
// the bytes left.
class ArchiveFollower::Stream : public RibDiagnostics {
public:
    Stream(ArchiveFollower &owner, std::string source, std::string canonical, bool archive)
        : owner(owner), source(std::move(source)), canonical(std::move(canonical)), folder(folderOf(this->source)),
          archive(archive) {}

    void error(const RibParseError &error) override { owner.diagnostics.error(error); }
    bool proceed(size_t atLine, size_t atOffset) override {
        line = atLine;
        offset = atOffset;
        started = true;
        if (archive && owner.bytesDone + offset > owner.options.bytes) {
            if (!owner.bytesExhausted)
                owner.report(formatString(kTooLarge, static_cast<unsigned long long>(owner.options.bytes)));
            owner.bytesExhausted = true;
            return false;
        }
        return owner.diagnostics.proceed(atLine, atOffset);
    }
    // What the follower has read in all: the archives that have ended, and
    // every stream still open as far as it has got.
    void reached(size_t bytesRead) override {
        read = bytesRead;
        uint64_t total = owner.bytesDone;
        for (const Stream *open : owner.streams) total += open->read;
        owner.diagnostics.reached(static_cast<size_t>(total));
    }

    ArchiveFollower &owner;
    const std::string source, canonical, folder;
    const bool archive;
    size_t line = 0, offset = 0;
    size_t read = 0;       // bytes of this stream read so far
    bool started = false;  // a request has been read: header lines are over
};

ArchiveFollower::ArchiveFollower(RenderContext &next, RibDiagnostics &diagnostics, ArchiveOptions options)
    : ForwardingContext(&next), diagnostics(diagnostics), options(std::move(options)),
      searchPath(new ArchiveSearchPath(this->options.defaultSearchPath)) {}

ArchiveFollower::~ArchiveFollower() = default;

RibParseResult ArchiveFollower::parse(const char *fileName) {
    const bool stdinStream = isNamed(fileName, kStdin);
    Stream stream(*this, stdinStream ? kStdinName : fileName, stdinStream ? "" : canonicalName(fileName), false);
    streams.push_back(&stream);
    RibParseResult result = parseRib(fileName, *this, stream, options.limits);
    streams.pop_back();
    return result;
}

RibParseResult ArchiveFollower::parse(const void *data, size_t size, const char *sourceName) {
    Stream stream(*this, sourceName, canonicalName(sourceName), false);
    streams.push_back(&stream);
    RibParseResult result = parseRib(data, size, sourceName, *this, stream, options.limits);
    streams.pop_back();
    return result;
}

RibParseResult ArchiveFollower::parseArchive(FILE *file, const std::string &path) {
    Stream stream(*this, path, canonicalName(path), true);
    streams.push_back(&stream);
    RibParseResult result = parseRib(file, path.c_str(), *this, stream, options.limits);
    streams.pop_back();
    bytesDone += stream.offset;
    return result;
}

void ArchiveFollower::report(const std::string &message) {
    RibParseError error;
    error.source = streams.empty() ? kProgramName : streams.back()->source;
    error.line = streams.empty() ? 0 : streams.back()->line;
    error.offset = streams.empty() ? 0 : streams.back()->offset;
    error.message = message;
    diagnostics.error(error);
}

void ArchiveFollower::remember(std::vector<std::string> &names, const std::string &name) {
    for (const std::string &known : names)
        if (known == name) return;
    names.push_back(name);
}

bool ArchiveFollower::follow(const char *name, bool delayed) {
    const std::string shown = printableText(name, std::strlen(name));
    std::string problem, path;
    FILE *file = nullptr;
    if (bytesExhausted) {
        problem = formatString(kTooLarge, static_cast<unsigned long long>(options.bytes));
    } else if (streams.size() > options.depth) {
        problem = formatString(kTooDeep, shown.c_str(), options.depth);
    } else if (readsDone >= options.reads) {
        problem = formatString(kTooMany, shown.c_str(), options.reads);
    } else {
        const std::string readerFolder = streams.empty() ? std::string() : streams.back()->folder;
        file = openArchive(name, archivePlaces(name, readerFolder, *searchPath), path, problem);
    }
    if (file) {
        const std::string canonical = canonicalName(path);
        for (size_t i = 0; i < streams.size(); ++i) {
            if (streams[i]->canonical != canonical) continue;
            std::string chain;
            for (size_t j = i; j < streams.size(); ++j)
                chain += printableText(streams[j]->source.data(), streams[j]->source.size()) + kChainArrow;
            chain += printableText(path.data(), path.size());
            problem = formatString(kCycle, shown.c_str(), chain.c_str());
            std::fclose(file);
            file = nullptr;
            break;
        }
    }
    if (!file) {
        report(problem);
        remember(notRead, name);
        return false;
    }
    ++readsDone;
    remember(read, name);
    if (delayed) ForwardingContext::AttributeBegin();
    parseArchive(file, path);
    std::fclose(file);
    if (delayed) ForwardingContext::AttributeEnd();
    return true;
}

RtVoid ArchiveFollower::OptionV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {
    if (isNamed(name, kSearchPathOption) && tokens && values) {
        for (RtInt i = 0; i < n; ++i) {
            if (!tokens[i] || !values[i] || !isNamed(parameterName(tokens[i]), kArchivePath)) continue;
            const RtString value = *static_cast<const RtString *>(values[i]);
            if (value) searchPath->set(value);
        }
    }
    ForwardingContext::OptionV(name, n, tokens, values);
}

RtVoid ArchiveFollower::FrameBegin(RtInt frame) {
    searchPathsOfFrames.push_back(*searchPath);
    ForwardingContext::FrameBegin(frame);
}

RtVoid ArchiveFollower::FrameEnd() {
    if (!searchPathsOfFrames.empty()) {
        *searchPath = std::move(searchPathsOfFrames.back());
        searchPathsOfFrames.pop_back();
    }
    ForwardingContext::FrameEnd();
}

RtVoid ArchiveFollower::ReadArchiveV(RtToken name, RtArchiveCallback callback, RtInt n, RtToken tokens[],
                                     RtPointer values[]) {
    bool inlineArchive = false;
    for (const std::string &known : inlineArchives) inlineArchive = inlineArchive || (name && known == name);
    if (name && !inlineArchive && follow(name, false)) return;
    ForwardingContext::ReadArchiveV(name, callback, n, tokens, values);
}

RtVoid ArchiveFollower::Procedural(RtPointer data, RtBound bound, RtProcSubdivFunc subdivfunc,
                                   RtProcFreeFunc freefunc) {
    const RtString *strings = static_cast<const RtString *>(data);
    if (subdivfunc == RiProcDelayedReadArchive && strings && strings[0] && follow(strings[0], true)) return;
    ForwardingContext::Procedural(data, bound, subdivfunc, freefunc);
}

RtArchiveHandle ArchiveFollower::ArchiveBeginV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {
    if (name) remember(inlineArchives, name);
    return ForwardingContext::ArchiveBeginV(name, n, tokens, values);
}

// The archive of a Procedural2 is its "filename" parameter.
RtVoid ArchiveFollower::Procedural2V(RtProc2SubdivFunc subdivfunc, RtProc2BoundFunc boundfunc, RtInt n,
                                     RtToken tokens[], RtPointer values[]) {
    const bool delayed = subdivfunc == RiProc2DelayedReadArchive;
    if (delayed || subdivfunc == RiProc2ReadArchive) {
        for (RtInt i = 0; tokens && values && i < n; ++i) {
            if (!tokens[i] || !values[i] || !isNamed(parameterName(tokens[i]), kFileNameParameter)) continue;
            const RtString file = *static_cast<const RtString *>(values[i]);
            if (file && follow(file, delayed)) return;
            break;
        }
    }
    ForwardingContext::Procedural2V(subdivfunc, boundfunc, n, tokens, values);
}

// An archive's header lines ("##RenderMan RIB-Structure 1.1 Entity" and
// the like, before its first request) are its own, not the reader's.
RtVoid ArchiveFollower::VArchiveRecord(RtToken type, const char *format, va_list args) {
    const Stream *stream = streams.empty() ? nullptr : streams.back();
    if (stream && stream->archive && !stream->started && isNamed(type, kStructureRecord) && format) {
        va_list copy;
        va_copy(copy, args);
        char text[sizeof kHeaderText];
        std::vsnprintf(text, sizeof text, format, copy);
        va_end(copy);
        if (std::strcmp(text, kHeaderText) == 0) return;
    }
    ForwardingContext::VArchiveRecord(type, format, args);
}

RtVoid ArchiveFollower::Version(RtFloat version) {
    if (streams.empty() || !streams.back()->archive) ForwardingContext::Version(version);
}

}  // namespace quillet
