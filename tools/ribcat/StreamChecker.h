// ribcat --check: a context that receives the parsed requests and reports
// what the parser's own checks (keywords, argument shapes, declarations,
// value counts, handles) do not cover: blocks closed in order (ElseIf and
// Else inside an If block, none after its Else), requests it does not know,
// motion blocks
// with one request per time, and enough control points for the order of
// cubic curves and patches and of NuPatch.
#ifndef QUILLET_RIBCAT_STREAMCHECKER_H
#define QUILLET_RIBCAT_STREAMCHECKER_H

#include <cstddef>
#include <functional>
#include <utility>
#include <string>
#include <vector>

#include "quillet/ForwardingContext.h"
#include "quillet/RibParser.h"

// Counts the problems and keeps the position of the request in hand.
class CheckDiagnostics : public quillet::RibDiagnostics {
public:
    // reached is told the offset of each request before it is checked.
    CheckDiagnostics(const char *prefix, std::function<void(size_t offset)> reached)
        : prefix(prefix), reached(std::move(reached)) {}
    void error(const quillet::RibParseError &error) override;
    bool proceed(size_t atLine, size_t atOffset) override;
    // A problem of the request in hand (or at the end, line 0 and the end).
    void problem(const std::string &message);
    void setSource(const std::string &name) { source = name; }

    size_t problems = 0;
    size_t line = 0, offset = 0;

private:
    const char *prefix;
    std::function<void(size_t offset)> reached;
    std::string source;
};

class StreamChecker : public quillet::ForwardingContext {
public:
    explicit StreamChecker(CheckDiagnostics &diagnostics) : report(diagnostics) {}
    // Blocks still open at the end of a stream.
    void finish();

    RtVoid FrameBegin(RtInt frame) override;
    RtVoid FrameEnd() override;
    RtVoid WorldBegin() override;
    RtVoid WorldEnd() override;
    RtVoid AttributeBegin() override;
    RtVoid AttributeEnd() override;
    RtVoid TransformBegin() override;
    RtVoid TransformEnd() override;
    RtVoid SolidBegin(RtToken operation) override;
    RtVoid SolidEnd() override;
    RtObjectHandle ObjectBegin() override;
    RtVoid ObjectEnd() override;
    RtVoid MotionBeginV(RtInt n, RtFloat times[]) override;
    RtVoid MotionEnd() override;
    RtObjectHandle ObjectBeginV(RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtArchiveHandle ArchiveBeginV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid ArchiveEnd() override;
    RtVoid ResourceBegin() override;
    RtVoid ResourceEnd() override;
    RtVoid IfBegin(RtString condition) override;
    RtVoid ElseIf(RtString condition) override;
    RtVoid Else() override;
    RtVoid IfEnd() override;
    RtVoid UnknownRequestV(RtToken name, RtInt nargs, const quillet::RequestValue args[], RtInt n, RtToken tokens[],
                           const quillet::RequestValue values[]) override;
    RtVoid VArchiveRecord(RtToken type, const char *format, va_list args) override;
    RtVoid Basis(RtBasis ubasis, RtInt ustep, RtBasis vbasis, RtInt vstep) override;
    RtVoid PatchMeshV(RtToken type, RtInt nu, RtToken uwrap, RtInt nv, RtToken vwrap, RtInt n, RtToken tokens[],
                      RtPointer values[]) override;
    RtVoid CurvesV(RtToken type, RtInt ncurves, RtInt nvertices[], RtToken wrap, RtInt n, RtToken tokens[],
                   RtPointer values[]) override;
    RtVoid BlobbyV(RtInt nleaf, RtInt ncode, RtInt code[], RtInt nflt, RtFloat flt[], RtInt nstr, RtToken str[],
                   RtInt n, RtToken tokens[], RtPointer values[]) override;
    RtVoid NuPatchV(RtInt nu, RtInt uorder, RtFloat uknot[], RtFloat umin, RtFloat umax, RtInt nv, RtInt vorder,
                    RtFloat vknot[], RtFloat vmin, RtFloat vmax, RtInt n, RtToken tokens[],
                    RtPointer values[]) override;

protected:
    void forwarding(Nesting nesting) override;

private:
    enum class Block { Frame, World, Attribute, Transform, Solid, Object, Motion, Archive, Resource, If };
    struct Open {
        Block block;
        size_t line;
        RtInt motionTimes;
        RtInt motionRequests;
        bool sawElse;
    };
    void branch(const char *request, bool isElse);
    void open(Block block, RtInt motionTimes = 0);
    void close(Block block);
    void expectPoints(const char *request, const char *what, RtInt points, RtInt needed);

    CheckDiagnostics &report;
    std::vector<Open> blocks;
    RtInt uStep = 3, vStep = 3;
};

#endif
