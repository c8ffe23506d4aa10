#include "StreamChecker.h"

#include <string>

#include "FormatText.h"
#include "decl/DeclTable.h"
#include "ri/ri.h"

using namespace quillet;

namespace {

const char kUnknownRequest[] = "unknown request \"%s\"";
const char kUndeclared[] = "%s: undeclared parameter \"%s\"";
const char kWrongCount[] = "%s: parameter \"%s\" has %zu values, its declaration calls for %zu";
const char kWrongKind[] = "%s: parameter \"%s\" needs %s values";
const char kWrongLength[] = "%s: %s has %zu entries, the request's counts call for %ld";
const char kUnknownPatchType[] = "%s: unknown patch type \"%s\"";
const char kBadStep[] = "%s: basis step %d cannot count cubic segments";
const char kNoPositions[] = "%s: no \"P\" or \"Pw\" parameter to count the vertices";

std::vector<RtInt> ints(const RibValue &v) {
    std::vector<RtInt> out;
    for (double d : v.numbers) out.push_back(saturatedInt(d));
    return out;
}

RtInt intOf(const RibValue &v) {
    return saturatedInt(v.number);
}

const char *str(const RibValue &v) {
    return v.string.c_str();
}

bool isQuadric(const std::string &k) {
    return k == "Sphere" || k == "Cone" || k == "Cylinder" || k == "Hyperboloid" || k == "Paraboloid" || k == "Disk" ||
           k == "Torus";
}

// Checks that an array argument has the length the counts call for.
bool expectLength(const std::string &keyword, const char *what, size_t length, long wanted,
                  std::vector<std::string> &problems) {
    if (static_cast<long>(length) == wanted) return true;
    problems.push_back(formatText(kWrongLength, keyword.c_str(), what, length, wanted));
    return false;
}

bool expectLength(const std::string &keyword, const char *what, const RibValue &v, long wanted,
                  std::vector<std::string> &problems) {
    return expectLength(keyword, what, v.size(), wanted, problems);
}

void fillPredeclaredTable() {
    static bool done = false;
    if (done) return;
    done = true;
    // A stream context declares the standard tokens when it is created.
    RiBegin("/dev/null");
    RiEnd();
}

}  // namespace

StreamChecker::StreamChecker() {
    fillPredeclaredTable();
}

std::vector<std::string> StreamChecker::check(const RibRequest &request) {
    std::vector<std::string> problems;
    if (request.kind == RibRequest::Kind::Comment) return problems;
    const std::string &k = request.keyword;
    const RequestShape *shape = findRequestShape(k);
    if (!shape) {
        problems.push_back(formatText(kUnknownRequest, k.c_str()));
        return problems;
    }
    SplitRequest r;
    std::string problem;
    if (!splitRequest(request, *shape, r, problem)) {
        problems.push_back(k + ": " + problem);
        return problems;
    }
    if (k == "Declare" && !r.fixed[1].string.empty())
        DeclTable::declare(str(r.fixed[0]), str(r.fixed[1]), nullptr, false);
    if (k == "Basis") {
        uStep = intOf(r.fixed[1]);
        vStep = intOf(r.fixed[3]);
    }
    ClassCounts classCounts = uncountedCounts();
    if (counts(k, r, classCounts, problems)) checkParams(k, r, classCounts, problems);
    return problems;
}

bool StreamChecker::counts(const std::string &k, const SplitRequest &r, ClassCounts &out,
                           std::vector<std::string> &problems) {
    const auto &f = r.fixed;
    size_t before = problems.size();
    if (isQuadric(k)) {
        out = quadricCounts();
    } else if (k == "Polygon" || k == "Points") {
        // The stream does not carry the vertex count: the positions give it.
        long vertices = -1;
        for (const auto &p : r.params) {
            const ParamDecl *decl = DeclTable::lookup(p.first.c_str());
            if (!decl || decl->paramClass != ParamClass::Vertex) continue;
            ValueShape perVertex = paramValueShape(*decl, uncountedCounts());
            if (perVertex.kind == ValueShape::Floats && perVertex.count > 0) {
                vertices = static_cast<long>(p.second.size() / perVertex.count);
                break;
            }
        }
        if (vertices < 0) {
            if (!r.params.empty()) problems.push_back(formatText(kNoPositions, k.c_str()));
            return problems.size() == before;
        }
        out = k == "Polygon" ? polygonCounts(static_cast<RtInt>(vertices)) : pointsCounts(static_cast<RtInt>(vertices));
    } else if (k == "GeneralPolygon") {
        std::vector<RtInt> nvertices = ints(f[0]);
        out = generalPolygonCounts(static_cast<RtInt>(nvertices.size()), nvertices.data());
    } else if (k == "PointsPolygons" || k == "SubdivisionMesh") {
        size_t at = k == "SubdivisionMesh" ? 1 : 0;
        std::vector<RtInt> nvertices = ints(f[at]), vertices = ints(f[at + 1]);
        RtInt npolys = static_cast<RtInt>(nvertices.size());
        IndexedMeshShape shape = k == "PointsPolygons" ? pointsPolygonsShape(npolys, nvertices.data(), nullptr)
                                                       : subdivisionMeshShape(npolys, nvertices.data(), nullptr);
        if (!expectLength(k, "vertices", f[at + 1], shape.indices, problems)) return false;
        shape = k == "PointsPolygons" ? pointsPolygonsShape(npolys, nvertices.data(), vertices.data())
                                      : subdivisionMeshShape(npolys, nvertices.data(), vertices.data());
        out = shape.counts;
    } else if (k == "PointsGeneralPolygons") {
        std::vector<RtInt> nloops = ints(f[0]), nvertices = ints(f[1]), vertices = ints(f[2]);
        RtInt npolys = static_cast<RtInt>(nloops.size());
        IndexedMeshShape shape = pointsGeneralPolygonsShape(npolys, nloops.data(), nullptr, nullptr);
        if (!expectLength(k, "nvertices", f[1], shape.loops, problems)) return false;
        shape = pointsGeneralPolygonsShape(npolys, nloops.data(), nvertices.data(), nullptr);
        if (!expectLength(k, "vertices", f[2], shape.indices, problems)) return false;
        out = pointsGeneralPolygonsShape(npolys, nloops.data(), nvertices.data(), vertices.data()).counts;
    } else if (k == "Patch" || k == "PatchMesh" || k == "Curves") {
        SteppedCounts result;
        if (k == "Patch") {
            result = patchCounts(str(f[0]));
        } else if (k == "PatchMesh") {
            result = patchMeshCounts(str(f[0]), intOf(f[1]), str(f[2]), intOf(f[3]), str(f[4]), uStep, vStep);
        } else {
            std::vector<RtInt> nvertices = ints(f[1]);
            result = curvesCounts(str(f[0]), static_cast<RtInt>(nvertices.size()), nvertices.data(), str(f[2]), vStep);
        }
        if (result.status == CountStatus::unknownPatchType)
            problems.push_back(formatText(kUnknownPatchType, k.c_str(), str(f[0])));
        else if (result.status == CountStatus::badBasisStep)
            problems.push_back(formatText(kBadStep, k.c_str(), result.badStep));
        else
            out = result.counts;
    } else if (k == "NuPatch") {
        RtInt nu = intOf(f[0]), uorder = intOf(f[1]), nv = intOf(f[5]), vorder = intOf(f[6]);
        expectLength(k, "uknot", f[2], knotCount(nu, uorder), problems);
        expectLength(k, "vknot", f[7], knotCount(nv, vorder), problems);
        out = nuPatchCounts(nu, uorder, nv, vorder);
    } else if (k == "Blobby") {
        RtInt nleaf = intOf(f[0]);
        std::vector<RtInt> code = ints(f[1]);
        BlobbyScan scan = blobbyScan(static_cast<RtInt>(code.size()), code.data());
        expectLength(k, "the code's leaves", static_cast<size_t>(nleaf > 0 ? nleaf : 0), scan.leaves, problems);
        expectLength(k, "flt", f[2], scan.floats, problems);
        expectLength(k, "str", f[3], scan.strings, problems);
        out = blobbyCounts(nleaf);
    } else if (k == "TrimCurve") {
        std::vector<RtInt> ncurves = ints(f[0]), order = ints(f[1]), n = ints(f[5]);
        TrimCurveSizes sizes = trimCurveSizes(static_cast<RtInt>(ncurves.size()), ncurves.data(), nullptr, nullptr);
        if (expectLength(k, "order", f[1], sizes.curves, problems) &&
            expectLength(k, "n", f[5], sizes.curves, problems)) {
            sizes = trimCurveSizes(static_cast<RtInt>(ncurves.size()), ncurves.data(), order.data(), n.data());
            expectLength(k, "knot", f[2], sizes.knots, problems);
            expectLength(k, "min", f[3], sizes.curves, problems);
            expectLength(k, "max", f[4], sizes.curves, problems);
            expectLength(k, "u", f[6], sizes.points, problems);
            expectLength(k, "v", f[7], sizes.points, problems);
            expectLength(k, "w", f[8], sizes.points, problems);
        }
    }
    return problems.size() == before;
}

void StreamChecker::checkParams(const std::string &k, const SplitRequest &r, const ClassCounts &classCounts,
                                std::vector<std::string> &problems) {
    for (const auto &p : r.params) {
        const std::string &token = p.first;
        const RibValue &value = p.second;
        const ParamDecl *decl = DeclTable::lookup(token.c_str());
        if (!decl) {
            problems.push_back(formatText(kUndeclared, k.c_str(), token.c_str()));
            continue;
        }
        bool strings = decl->type == ParamType::String;
        bool numbers = !strings;
        bool isStrings = value.kind == RibValue::Kind::String || value.kind == RibValue::Kind::StringArray;
        bool isEmpty = value.isArray() && value.size() == 0;
        if (!isEmpty && ((strings && !isStrings) || (numbers && isStrings))) {
            problems.push_back(formatText(kWrongKind, k.c_str(), token.c_str(), strings ? "string" : "numeric"));
            continue;
        }
        if (decl->type == ParamType::Integer && !isEmpty && !value.isString() &&
            !(value.isNumber() ? value.integer : value.integers)) {
            problems.push_back(formatText(kWrongKind, k.c_str(), token.c_str(), "integer"));
            continue;
        }
        size_t wanted = paramValueShape(*decl, classCounts).count;
        if (value.size() != wanted)
            problems.push_back(formatText(kWrongCount, k.c_str(), token.c_str(), value.size(), wanted));
    }
}
