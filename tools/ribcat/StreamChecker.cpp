#include "tools/ribcat/StreamChecker.h"

#include <cstdio>
#include <cstring>

#include "format/FormatString.h"
#include "format/GeometryCounts.h"

using namespace quillet;

namespace {

const char kUnopened[] = "%s without %s";
const char kWrongClose[] = "%s closes the %s opened at line %zu";
const char kUnclosed[] = "%s opened at line %zu is not closed";
const char kMotionCount[] = "MotionBegin at line %zu has %d times but holds %d requests";
const char kTooFewPoints[] = "%s: %s has %d control points, its order needs at least %d";
const char kBlobbyCount[] = "Blobby: %s is %d, the code calls for %d";
const char kBadOrder[] = "NuPatch: order %d is not positive";

const char kUnknownRequest[] = "unknown request \"%s\"";
const char kOutsideIf[] = "%s outside an IfBegin block";
const char kAfterElse[] = "%s after Else";
const char kElse[] = "Else";
const char kElseIf[] = "ElseIf";

// In the order of StreamChecker::Block.
const char *const kBeginNames[] = {"FrameBegin",  "WorldBegin",  "AttributeBegin", "TransformBegin", "SolidBegin",
                                   "ObjectBegin", "MotionBegin", "ArchiveBegin",   "ResourceBegin",  "IfBegin"};
const char *const kEndNames[] = {"FrameEnd",  "WorldEnd",  "AttributeEnd", "TransformEnd", "SolidEnd",
                                 "ObjectEnd", "MotionEnd", "ArchiveEnd",   "ResourceEnd",  "IfEnd"};

const RtInt kCubicOrder = 4;
const RtInt kLinearOrder = 2;

bool cubic(RtToken type) {
    return isToken(type, "bicubic") || isToken(type, "cubic");
}

bool periodic(RtToken wrap) {
    return isToken(wrap, "periodic");
}

}  // namespace

void CheckDiagnostics::error(const RibParseError &error) {
    ++problems;
    std::string text = prefix + formatRibParseError(error) + "\n";
    std::fputs(text.c_str(), stderr);
}

bool CheckDiagnostics::proceed(size_t atLine, size_t atOffset) {
    reached(atOffset);
    line = atLine;
    offset = atOffset;
    return true;
}

void CheckDiagnostics::problem(const std::string &message) {
    RibParseError where;
    where.source = source;
    where.line = line;
    where.offset = offset;
    where.message = message;
    error(where);
}

void StreamChecker::open(Block block, RtInt motionTimes) {
    blocks.push_back({block, report.line, motionTimes, 0, false});
}

void StreamChecker::close(Block block) {
    const char *end = kEndNames[static_cast<int>(block)];
    if (blocks.empty()) {
        report.problem(formatString(kUnopened, end, kBeginNames[static_cast<int>(block)]));
        return;
    }
    Open top = blocks.back();
    blocks.pop_back();
    if (top.block != block) {
        report.problem(formatString(kWrongClose, end, kBeginNames[static_cast<int>(top.block)], top.line));
        return;
    }
    if (block == Block::Motion && top.motionRequests != top.motionTimes)
        report.problem(formatString(kMotionCount, top.line, top.motionTimes, top.motionRequests));
}

void StreamChecker::finish() {
    for (const Open &left : blocks) {
        report.problem(formatString(kUnclosed, kBeginNames[static_cast<int>(left.block)], left.line));
    }
    blocks.clear();
}

// Every request inside a motion block is one of its steps; comments are not.
void StreamChecker::forwarding(Nesting nesting) {
    if (nesting != Nesting::Inside || blocks.empty() || blocks.back().block != Block::Motion) return;
    ++blocks.back().motionRequests;
}

RtVoid StreamChecker::FrameBegin(RtInt) {
    open(Block::Frame);
}
RtVoid StreamChecker::FrameEnd() {
    close(Block::Frame);
}
RtVoid StreamChecker::WorldBegin() {
    open(Block::World);
}
RtVoid StreamChecker::WorldEnd() {
    close(Block::World);
}
RtVoid StreamChecker::AttributeBegin() {
    open(Block::Attribute);
}
RtVoid StreamChecker::AttributeEnd() {
    close(Block::Attribute);
}
RtVoid StreamChecker::TransformBegin() {
    open(Block::Transform);
}
RtVoid StreamChecker::TransformEnd() {
    close(Block::Transform);
}
RtVoid StreamChecker::SolidBegin(RtToken) {
    open(Block::Solid);
}
RtVoid StreamChecker::SolidEnd() {
    close(Block::Solid);
}
RtObjectHandle StreamChecker::ObjectBegin() {
    open(Block::Object);
    // Any non-null handle: the parser maps the stream's numbers to it.
    return this;
}
RtVoid StreamChecker::ObjectEnd() {
    close(Block::Object);
}
RtVoid StreamChecker::MotionBeginV(RtInt n, RtFloat[]) {
    open(Block::Motion, n);
}
RtVoid StreamChecker::MotionEnd() {
    close(Block::Motion);
}

RtObjectHandle StreamChecker::ObjectBeginV(RtInt, RtToken[], RtPointer[]) {
    return ObjectBegin();
}
RtArchiveHandle StreamChecker::ArchiveBeginV(RtToken name, RtInt, RtToken[], RtPointer[]) {
    open(Block::Archive);
    return const_cast<char *>(name);
}
RtVoid StreamChecker::ArchiveEnd() {
    close(Block::Archive);
}
RtVoid StreamChecker::ResourceBegin() {
    open(Block::Resource);
}
RtVoid StreamChecker::ResourceEnd() {
    close(Block::Resource);
}
RtVoid StreamChecker::IfBegin(RtString) {
    open(Block::If);
}
RtVoid StreamChecker::ElseIf(RtString) {
    branch(kElseIf, false);
}
RtVoid StreamChecker::Else() {
    branch(kElse, true);
}
RtVoid StreamChecker::IfEnd() {
    close(Block::If);
}

// ElseIf and Else belong to the innermost block, an If block before its Else.
void StreamChecker::branch(const char *request, bool isElse) {
    if (blocks.empty() || blocks.back().block != Block::If) {
        report.problem(formatString(kOutsideIf, request));
        return;
    }
    if (blocks.back().sawElse) report.problem(formatString(kAfterElse, request));
    if (isElse) blocks.back().sawElse = true;
}

RtVoid StreamChecker::UnknownRequestV(RtToken name, RtInt, const RequestValue[], RtInt, RtToken[],
                                      const RequestValue[]) {
    report.problem(formatString(kUnknownRequest, printableText(name, std::strlen(name)).c_str()));
}

RtVoid StreamChecker::VArchiveRecord(RtToken, const char *, va_list) {}

RtVoid StreamChecker::Basis(RtBasis, RtInt ustep, RtBasis, RtInt vstep) {
    forwarding(Nesting::Inside);
    uStep = ustep;
    vStep = vstep;
}

void StreamChecker::expectPoints(const char *request, const char *what, RtInt points, RtInt needed) {
    if (points < needed) report.problem(formatString(kTooFewPoints, request, what, points, needed));
}

RtVoid StreamChecker::PatchMeshV(RtToken type, RtInt nu, RtToken uwrap, RtInt nv, RtToken vwrap, RtInt, RtToken[],
                                 RtPointer[]) {
    forwarding(Nesting::Inside);
    RtInt order = cubic(type) ? kCubicOrder : kLinearOrder;
    expectPoints("PatchMesh", "nu", nu, periodic(uwrap) ? 1 : order);
    expectPoints("PatchMesh", "nv", nv, periodic(vwrap) ? 1 : order);
}

// The writer reports these mismatches on its own; the checker reports them
// as problems of the stream.
RtVoid StreamChecker::BlobbyV(RtInt nleaf, RtInt ncode, RtInt code[], RtInt nflt, RtFloat[], RtInt nstr, RtToken[],
                              RtInt, RtToken[], RtPointer[]) {
    forwarding(Nesting::Inside);
    BlobbyScan scan = blobbyScan(ncode, code);
    const struct {
        const char *what;
        RtInt given, wanted;
    } counts[] = {{"nleaf", nleaf, scan.leaves}, {"nflt", nflt, scan.floats}, {"nstr", nstr, scan.strings}};
    for (const auto &count : counts)
        if (count.given != count.wanted)
            report.problem(formatString(kBlobbyCount, count.what, count.given, count.wanted));
}

RtVoid StreamChecker::CurvesV(RtToken type, RtInt ncurves, RtInt nvertices[], RtToken wrap, RtInt, RtToken[],
                              RtPointer[]) {
    forwarding(Nesting::Inside);
    RtInt needed = periodic(wrap) ? 1 : cubic(type) ? kCubicOrder : kLinearOrder;
    for (RtInt i = 0; i < ncurves; ++i) {
        if (nvertices[i] < needed) {
            expectPoints("Curves", "a curve", nvertices[i], needed);
            return;
        }
    }
}

RtVoid StreamChecker::NuPatchV(RtInt nu, RtInt uorder, RtFloat[], RtFloat, RtFloat, RtInt nv, RtInt vorder, RtFloat[],
                               RtFloat, RtFloat, RtInt, RtToken[], RtPointer[]) {
    forwarding(Nesting::Inside);
    for (RtInt order : {uorder, vorder}) {
        if (order < 1) {
            report.problem(formatString(kBadOrder, order));
            return;
        }
    }
    expectPoints("NuPatch", "nu", nu, uorder);
    expectPoints("NuPatch", "nv", nv, vorder);
}
