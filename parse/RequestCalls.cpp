#include "parse/RequestCalls.h"

#include <cstring>

#include "quillet/RibParser.h"

#include "format/PrintableText.h"
#include "quillet/DeclTable.h"
#include "decl/HandleId.h"
#include "decl/ValueShape.h"
#include "format/FormatString.h"
#include "format/FunctionNames.h"
#include "decl/VertexIndices.h"

namespace quillet {

namespace {

const char kWrongLength[] = "%s: %s has %zu entries, the request's counts call for %ld";
const char kWrongCount[] = "%s: parameter \"%s\" has %zu values, its declaration calls for %zu";
const char kUnknownPatchType[] = "%s: unknown patch type \"%s\"";
const char kBadStep[] = "%s: basis step %d cannot count cubic segments";
const char kNoVertexCount[] = "%s: parameter \"%s\" has %zu values, not a whole number of vertices";
const char kUndefinedLight[] = "%s: light %s is not defined";
const char kUndefinedObject[] = "%s: object %s is not defined";
const char kBoundFunction[] = "%s: unknown bound function \"%s\"";
const size_t kVolumeDimensions = 3;
const char kUnknownFilter[] = "%s: unknown filter \"%s\"";
const char kUnknownProcedural[] = "%s: unknown procedural \"%s\"";
const char kProceduralStrings[] = "%s: procedural \"%s\" needs %d strings, has %zu";
const char kUnknownErrorHandler[] = "%s: unknown error handler \"%s\"";
const char kUnknownBasis[] = "%s: unknown basis \"%s\"";
const char kKeywordPrefixed[] = "%s: %s";
const char kColorSamples[] = "%s: the two arrays need the same length, a multiple of 3";

RtMatrix *asMatrix(RtFloat *values) {
    return reinterpret_cast<RtMatrix *>(values);
}

}  // namespace

RequestCaller::RequestCaller(RenderContext &context, Reporter reporter)
    : target(context), report(std::move(reporter)) {}

template <typename Handle>
bool RequestCaller::findHandle(ParsedRequest &r, size_t at, const HandleTable<Handle> &table, const char *undefined,
                               Handle &out) {
    if (r.isString(at)) {
        auto it = table.named.find(r.s(at));
        if (it != table.named.end()) {
            out = it->second;
            return true;
        }
        std::string shown = "\"" + printableText(r.s(at), std::strlen(r.s(at))) + "\"";
        report(formatString(undefined, r.shape->keyword, shown.c_str()));
        return false;
    }
    auto it = table.numbered.find(r.i(at));
    if (it != table.numbered.end()) {
        out = it->second;
        return true;
    }
    report(formatString(undefined, r.shape->keyword, std::to_string(r.i(at)).c_str()));
    return false;
}

template <typename Handle>
void RequestCaller::keepHandle(ParsedRequest &r, size_t at, HandleTable<Handle> &table, Handle handle) {
    if (r.isString(at))
        table.named[r.s(at)] = handle;
    else
        table.numbered[r.i(at)] = handle;
}

void RequestCaller::addHandleName(ParsedRequest &r, size_t at) {
    if (!r.isString(at)) return;
    handleName = r.s(at);
    tokens.push_back(kHandleIdToken);
    values.push_back(&handleName);
}

bool RequestCaller::expectLength(ParsedRequest &r, const char *what, size_t length, long wanted) {
    if (static_cast<long>(length) == wanted) return true;
    report(formatString(kWrongLength, r.shape->keyword, what, length, wanted));
    return false;
}

// Polygon and Points do not carry their vertex count: the first vertex or
// varying parameter gives it.
RtInt RequestCaller::vertexCountOfParams(ParsedRequest &r, bool &ok) {
    ok = true;
    for (const ParsedRequest::Param &p : r.params) {
        if (p.decl->paramClass != ParamClass::Vertex && p.decl->paramClass != ParamClass::Varying) continue;
        ValueShape each = paramValueShape(*p.decl, uncountedCounts());
        if (each.kind == ValueShape::Nothing || each.count == 0) continue;
        if (p.count % each.count != 0) {
            report(formatString(kNoVertexCount, r.shape->keyword, printableText(p.token).c_str(), p.count));
            ok = false;
            return 0;
        }
        size_t vertices = p.count / each.count;
        return vertices > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<RtInt>(vertices);
    }
    return 0;
}

// A mesh's indices against the points of its first point parameter: an
// index naming no point leaves nothing sound to pass on.
bool RequestCaller::expectIndicesInRange(ParsedRequest &r, size_t at) {
    for (const ParsedRequest::Param &p : r.params) {
        if (!carriesPoints(*p.decl)) continue;
        const size_t points = pointsOf(*p.decl, p.count);
        RtInt bad;
        if (!findIndexOutOfRange(r.I(at), r.size(at), points, bad)) return true;
        report(formatString(kKeywordPrefixed, r.shape->keyword, vertexIndexOutOfRange(bad, p.token, points).c_str()));
        return false;
    }
    return true;
}

// The class counts of the request's parameters, after checking the lengths
// of its own arrays; false (reported) when those do not fit.
bool RequestCaller::counts(ParsedRequest &r, ClassCounts &out) {
    const char *k = r.shape->keyword;
    out = uncountedCounts();
    switch (r.shape->request) {
    case Request::Sphere:
    case Request::Cone:
    case Request::Cylinder:
    case Request::Hyperboloid:
    case Request::Paraboloid:
    case Request::Disk:
    case Request::Torus: out = quadricCounts(); return true;
    case Request::Polygon:
    case Request::Points: {
        bool ok;
        derivedVertices = vertexCountOfParams(r, ok);
        out = r.shape->request == Request::Polygon ? polygonCounts(derivedVertices) : pointsCounts(derivedVertices);
        return ok;
    }
    case Request::GeneralPolygon: out = generalPolygonCounts(r.count(0), r.I(0)); return true;
    case Request::PointsPolygons:
    case Request::SubdivisionMesh: {
        bool mesh = r.shape->request == Request::SubdivisionMesh;
        size_t at = mesh ? 1 : 0;
        auto shapeOf = [&](const RtInt *vertices) {
            return mesh ? subdivisionMeshShape(r.count(at), r.I(at), vertices)
                        : pointsPolygonsShape(r.count(at), r.I(at), vertices);
        };
        if (!expectLength(r, "vertices", r.size(at + 1), shapeOf(nullptr).indices)) return false;
        if (!expectIndicesInRange(r, at + 1)) return false;
        out = shapeOf(r.I(at + 1)).counts;
        if (mesh) {
            RtInt ntags = r.count(3);
            if (!expectLength(r, "nargs", r.size(4), 2L * ntags)) return false;
            TagArgSizes sizes = subdivisionTagSizes(ntags, r.I(4));
            if (!expectLength(r, "intargs", r.size(5), sizes.ints)) return false;
            if (!expectLength(r, "floatargs", r.size(6), sizes.floats)) return false;
        }
        return true;
    }
    case Request::PointsGeneralPolygons: {
        RtInt npolys = r.count(0);
        IndexedMeshShape shape = pointsGeneralPolygonsShape(npolys, r.I(0), nullptr, nullptr);
        if (!expectLength(r, "nvertices", r.size(1), shape.loops)) return false;
        shape = pointsGeneralPolygonsShape(npolys, r.I(0), r.I(1), nullptr);
        if (!expectLength(r, "vertices", r.size(2), shape.indices) || !expectIndicesInRange(r, 2)) return false;
        out = pointsGeneralPolygonsShape(npolys, r.I(0), r.I(1), r.I(2)).counts;
        return true;
    }
    case Request::Patch:
    case Request::PatchMesh:
    case Request::Curves: {
        Request which = r.shape->request;
        SteppedCounts result = which == Request::Patch ? patchCounts(r.s(0))
                               : which == Request::PatchMesh
                                   ? patchMeshCounts(r.s(0), r.i(1), r.s(2), r.i(3), r.s(4), uStep, vStep)
                                   : curvesCounts(r.s(0), r.count(1), r.I(1), r.s(2), vStep);
        if (result.status == CountStatus::ok) {
            out = result.counts;
            return true;
        }
        // The writer writes no parameters for these: they are left out.
        if (result.status == CountStatus::unknownPatchType)
            report(formatString(kUnknownPatchType, k, printableText(r.s(0)).c_str()));
        else
            report(formatString(kBadStep, k, result.badStep));
        r.params.clear();
        return true;
    }
    case Request::NuPatch: {
        RtInt nu = r.i(0), uorder = r.i(1), nv = r.i(5), vorder = r.i(6);
        if (!expectLength(r, "uknot", r.size(2), knotCount(nu, uorder))) return false;
        if (!expectLength(r, "vknot", r.size(7), knotCount(nv, vorder))) return false;
        out = nuPatchCounts(nu, uorder, nv, vorder);
        return true;
    }
    case Request::TrimCurve: {
        RtInt nloops = r.count(0);
        TrimCurveSizes sizes = trimCurveSizes(nloops, r.I(0), nullptr, nullptr);
        if (!expectLength(r, "order", r.size(1), sizes.curves) || !expectLength(r, "n", r.size(5), sizes.curves))
            return false;
        sizes = trimCurveSizes(nloops, r.I(0), r.I(1), r.I(5));
        return expectLength(r, "knot", r.size(2), sizes.knots) && expectLength(r, "min", r.size(3), sizes.curves) &&
               expectLength(r, "max", r.size(4), sizes.curves) && expectLength(r, "u", r.size(6), sizes.points) &&
               expectLength(r, "v", r.size(7), sizes.points) && expectLength(r, "w", r.size(8), sizes.points);
    }
    case Request::Blobby: out = blobbyCounts(r.i(0)); return true;
    case Request::Volume:
        if (!expectLength(r, "dimensions", r.size(2), kVolumeDimensions)) return false;
        out = volumeCounts(r.I(2));
        return true;
    default: return true;
    }
}

// Parameters whose values fit their declaration and the counts, as the two
// arrays of a list form.
void RequestCaller::buildParamList(ParsedRequest &r, const ClassCounts &classCounts) {
    tokens.clear();
    values.clear();
    for (const ParsedRequest::Param &p : r.params) {
        ValueShape shape = paramValueShape(*p.decl, classCounts);
        size_t wanted = shape.kind == ValueShape::Nothing ? 0 : shape.count;
        if (p.count != wanted) {
            report(formatString(kWrongCount, r.shape->keyword, printableText(p.token).c_str(), p.count, wanted));
            continue;
        }
        RtPointer value = nullptr;
        switch (p.kind) {
        case ValueShape::Floats: value = r.floats.data() + p.offset; break;
        case ValueShape::Integers: value = r.ints.data() + p.offset; break;
        case ValueShape::Strings: value = r.strings.data() + p.offset; break;
        case ValueShape::Nothing: break;
        }
        tokens.push_back(p.token);
        values.push_back(value);
    }
}

bool RequestCaller::call(ParsedRequest &r) {
    ClassCounts classCounts;
    if (!counts(r, classCounts)) return false;
    buildParamList(r, classCounts);
    return dispatch(r);
}

bool RequestCaller::dispatch(ParsedRequest &r) {
    const char *k = r.shape->keyword;
    RtInt n = static_cast<RtInt>(tokens.size());
    RtToken *tk = tokens.data();
    RtPointer *vl = values.data();
    auto filterOf = [&](size_t at, RtFilterFunc &filter) {
        filter = filterFunction(r.s(at));
        if (filter || !*r.s(at)) return true;
        report(formatString(kUnknownFilter, k, printableText(r.s(at)).c_str()));
        return false;
    };
    auto basisOf = [&](size_t at, RtFloat(*&basis)[4]) {
        if (!r.isString(at)) {
            basis = *asMatrix(r.F(at));
            return true;
        }
        basis = const_cast<RtFloat(*)[4]>(standardBasis(r.s(at)));
        if (basis) return true;
        report(formatString(kUnknownBasis, k, printableText(r.s(at)).c_str()));
        return false;
    };

    switch (r.shape->request) {
    case Request::Version: break;
    case Request::FrameBegin: target.FrameBegin(r.i(0)); break;
    case Request::FrameEnd: target.FrameEnd(); break;
    case Request::WorldBegin: target.WorldBegin(); break;
    case Request::WorldEnd: target.WorldEnd(); break;
    case Request::AttributeBegin: target.AttributeBegin(); break;
    case Request::AttributeEnd: target.AttributeEnd(); break;
    case Request::TransformBegin: target.TransformBegin(); break;
    case Request::TransformEnd: target.TransformEnd(); break;
    case Request::SolidBegin: target.SolidBegin(r.s(0)); break;
    case Request::SolidEnd: target.SolidEnd(); break;
    case Request::ObjectBegin:
        if (r.isString(0)) {
            addHandleName(r, 0);
            keepHandle(r, 0, objects,
                       target.ObjectBeginV(static_cast<RtInt>(tokens.size()), tokens.data(), values.data()));
        } else {
            keepHandle(r, 0, objects, target.ObjectBegin());
        }
        break;
    case Request::ObjectEnd: target.ObjectEnd(); break;
    case Request::ObjectInstance: {
        RtObjectHandle object;
        if (!findHandle(r, 0, objects, kUndefinedObject, object)) return false;
        target.ObjectInstance(object);
        break;
    }
    case Request::MotionBegin: target.MotionBeginV(r.count(0), r.F(0)); break;
    case Request::MotionEnd: target.MotionEnd(); break;
    case Request::Declare: {
        const char *name = r.s(0), *declaration = r.s(1);
        target.Declare(name, declaration);
        // The parser counts values by the process-wide table: make sure it
        // holds the declaration whatever the target did with it.
        if (*declaration) {
            ParsedDeclaration parsed = parseDeclaration(declaration);
            const ParamDecl *decl = DeclTable::lookup(name);
            if (!decl || decl->paramClass != parsed.paramClass || decl->type != parsed.type ||
                decl->arrayLength != parsed.arrayLength)
                DeclTable::declare(name, declaration, nullptr, false);
        }
        break;
    }
    case Request::ErrorHandler: {
        RtErrorHandler handler = errorHandlerFunction(r.s(0));
        if (!handler) {
            report(formatString(kUnknownErrorHandler, k, printableText(r.s(0)).c_str()));
            return false;
        }
        target.ErrorHandler(handler);
        break;
    }
    case Request::ReadArchive: target.ReadArchiveV(r.s(0), nullptr, n, tk, vl); break;
    case Request::Identity: target.Identity(); break;
    case Request::ConcatTransform: target.ConcatTransform(*asMatrix(r.F(0))); break;
    case Request::Transform: target.Transform(*asMatrix(r.F(0))); break;
    case Request::Perspective: target.Perspective(r.n(0)); break;
    case Request::Translate: target.Translate(r.n(0), r.n(1), r.n(2)); break;
    case Request::Rotate: target.Rotate(r.n(0), r.n(1), r.n(2), r.n(3)); break;
    case Request::Scale: target.Scale(r.n(0), r.n(1), r.n(2)); break;
    case Request::Skew: target.Skew(r.n(0), r.n(1), r.n(2), r.n(3), r.n(4), r.n(5), r.n(6)); break;
    case Request::CoordinateSystem: target.CoordinateSystem(r.s(0)); break;
    case Request::CoordSysTransform: target.CoordSysTransform(r.s(0)); break;
    case Request::Sphere: target.SphereV(r.n(0), r.n(1), r.n(2), r.n(3), n, tk, vl); break;
    case Request::Cone: target.ConeV(r.n(0), r.n(1), r.n(2), n, tk, vl); break;
    case Request::Cylinder: target.CylinderV(r.n(0), r.n(1), r.n(2), r.n(3), n, tk, vl); break;
    case Request::Hyperboloid: target.HyperboloidV(r.F(0), r.F(3), r.n(6), n, tk, vl); break;
    case Request::Paraboloid: target.ParaboloidV(r.n(0), r.n(1), r.n(2), r.n(3), n, tk, vl); break;
    case Request::Disk: target.DiskV(r.n(0), r.n(1), r.n(2), n, tk, vl); break;
    case Request::Torus: target.TorusV(r.n(0), r.n(1), r.n(2), r.n(3), r.n(4), n, tk, vl); break;
    case Request::Color: target.Color(r.F(0)); break;
    case Request::Opacity: target.Opacity(r.F(0)); break;
    case Request::TextureCoordinates: {
        const RtFloat *c = r.F(0);
        target.TextureCoordinates(c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7]);
        break;
    }
    case Request::ShadingRate: target.ShadingRate(r.n(0)); break;
    case Request::ShadingInterpolation: target.ShadingInterpolation(r.s(0)); break;
    case Request::Matte: target.Matte(static_cast<RtBoolean>(r.i(0))); break;
    case Request::Bound: target.Bound(r.F(0)); break;
    case Request::Detail: target.Detail(r.F(0)); break;
    case Request::DetailRange: target.DetailRange(r.n(0), r.n(1), r.n(2), r.n(3)); break;
    case Request::GeometricApproximation: target.GeometricApproximation(r.s(0), r.n(1)); break;
    case Request::GeometricRepresentation: target.GeometricRepresentation(r.s(0)); break;
    case Request::Sides: target.Sides(r.i(0)); break;
    case Request::Orientation: target.Orientation(r.s(0)); break;
    case Request::ReverseOrientation: target.ReverseOrientation(); break;
    case Request::Illuminate: {
        RtLightHandle light;
        if (!findHandle(r, 0, lights, kUndefinedLight, light)) return false;
        target.Illuminate(light, static_cast<RtBoolean>(r.i(1)));
        break;
    }
    case Request::Attribute: target.AttributeV(r.s(0), n, tk, vl); break;
    case Request::Surface: target.SurfaceV(r.s(0), n, tk, vl); break;
    case Request::Displacement: target.DisplacementV(r.s(0), n, tk, vl); break;
    case Request::Atmosphere: target.AtmosphereV(r.s(0), n, tk, vl); break;
    case Request::Interior: target.InteriorV(r.s(0), n, tk, vl); break;
    case Request::Exterior: target.ExteriorV(r.s(0), n, tk, vl); break;
    case Request::Imager: target.ImagerV(r.s(0), n, tk, vl); break;
    case Request::LightSource:
    case Request::AreaLightSource: {
        addHandleName(r, 1);
        n = static_cast<RtInt>(tokens.size());
        bool area = r.shape->request == Request::AreaLightSource;
        RtLightHandle light = area ? target.AreaLightSourceV(r.s(0), n, tokens.data(), values.data())
                                   : target.LightSourceV(r.s(0), n, tokens.data(), values.data());
        keepHandle(r, 1, lights, light);
        break;
    }
    case Request::Format: target.Format(r.i(0), r.i(1), r.n(2)); break;
    case Request::FrameAspectRatio: target.FrameAspectRatio(r.n(0)); break;
    case Request::ScreenWindow: target.ScreenWindow(r.n(0), r.n(1), r.n(2), r.n(3)); break;
    case Request::CropWindow: target.CropWindow(r.n(0), r.n(1), r.n(2), r.n(3)); break;
    case Request::Clipping: target.Clipping(r.n(0), r.n(1)); break;
    case Request::DepthOfField: target.DepthOfField(r.n(0), r.n(1), r.n(2)); break;
    case Request::Shutter: target.Shutter(r.n(0), r.n(1)); break;
    case Request::PixelVariance: target.PixelVariance(r.n(0)); break;
    case Request::PixelSamples: target.PixelSamples(r.n(0), r.n(1)); break;
    case Request::PixelFilter: {
        RtFilterFunc filter;
        if (!filterOf(0, filter)) return false;
        target.PixelFilter(filter, r.n(1), r.n(2));
        break;
    }
    case Request::Exposure: target.Exposure(r.n(0), r.n(1)); break;
    case Request::Quantize: target.Quantize(r.s(0), r.i(1), r.i(2), r.i(3), r.n(4)); break;
    case Request::ColorSamples:
        if (r.size(0) != r.size(1) || r.size(0) % 3 != 0) {
            report(formatString(kColorSamples, k));
            return false;
        }
        target.ColorSamples(r.count(0) / 3, r.F(0), r.F(1));
        break;
    case Request::RelativeDetail: target.RelativeDetail(r.n(0)); break;
    case Request::Projection: target.ProjectionV(r.s(0), n, tk, vl); break;
    case Request::Display: target.DisplayV(r.s(0), r.s(1), r.s(2), n, tk, vl); break;
    case Request::Hider: target.HiderV(r.s(0), n, tk, vl); break;
    case Request::Option: target.OptionV(r.s(0), n, tk, vl); break;
    case Request::Polygon: target.PolygonV(derivedVertices, n, tk, vl); break;
    case Request::GeneralPolygon: target.GeneralPolygonV(r.count(0), r.I(0), n, tk, vl); break;
    case Request::PointsPolygons: target.PointsPolygonsV(r.count(0), r.I(0), r.I(1), n, tk, vl); break;
    case Request::PointsGeneralPolygons:
        target.PointsGeneralPolygonsV(r.count(0), r.I(0), r.I(1), r.I(2), n, tk, vl);
        break;
    case Request::Basis: {
        RtFloat(*ubasis)[4];
        RtFloat(*vbasis)[4];
        if (!basisOf(0, ubasis) || !basisOf(2, vbasis)) return false;
        uStep = r.i(1);
        vStep = r.i(3);
        target.Basis(ubasis, uStep, vbasis, vStep);
        break;
    }
    case Request::Patch: target.PatchV(r.s(0), n, tk, vl); break;
    case Request::PatchMesh: target.PatchMeshV(r.s(0), r.i(1), r.s(2), r.i(3), r.s(4), n, tk, vl); break;
    case Request::NuPatch:
        target.NuPatchV(r.i(0), r.i(1), r.F(2), r.n(3), r.n(4), r.i(5), r.i(6), r.F(7), r.n(8), r.n(9), n, tk, vl);
        break;
    case Request::TrimCurve:
        target.TrimCurve(r.count(0), r.I(0), r.I(1), r.F(2), r.F(3), r.F(4), r.I(5), r.F(6), r.F(7), r.F(8));
        break;
    case Request::Curves: target.CurvesV(r.s(0), r.count(1), r.I(1), r.s(2), n, tk, vl); break;
    case Request::Points: target.PointsV(derivedVertices, n, tk, vl); break;
    case Request::SubdivisionMesh:
        target.SubdivisionMeshV(r.s(0), r.count(1), r.I(1), r.I(2), r.count(3), r.S(3), r.I(4), r.I(5), r.F(6), n, tk,
                                vl);
        break;
    case Request::Blobby:
        target.BlobbyV(r.i(0), r.count(1), r.I(1), r.count(2), r.F(2), r.count(3), r.S(3), n, tk, vl);
        break;
    case Request::Procedural: {
        RtProcSubdivFunc function = proceduralFunction(r.s(0));
        if (!function) {
            report(formatString(kUnknownProcedural, k, printableText(r.s(0)).c_str()));
            return false;
        }
        int needed = function == RiProcDelayedReadArchive ? 1 : 2;
        if (r.size(1) < static_cast<size_t>(needed)) {
            report(formatString(kProceduralStrings, k, printableText(r.s(0)).c_str(), needed, r.size(1)));
            return false;
        }
        target.Procedural(r.S(1), r.F(2), function, nullptr);
        break;
    }
    case Request::Geometry: target.GeometryV(r.s(0), n, tk, vl); break;
    case Request::MakeTexture: {
        RtFilterFunc filter;
        if (!filterOf(4, filter)) return false;
        target.MakeTextureV(r.s(0), r.s(1), r.s(2), r.s(3), filter, r.n(5), r.n(6), n, tk, vl);
        break;
    }
    case Request::MakeLatLongEnvironment: {
        RtFilterFunc filter;
        if (!filterOf(2, filter)) return false;
        target.MakeLatLongEnvironmentV(r.s(0), r.s(1), filter, r.n(3), r.n(4), n, tk, vl);
        break;
    }
    case Request::MakeCubeFaceEnvironment: {
        RtFilterFunc filter;
        if (!filterOf(8, filter)) return false;
        target.MakeCubeFaceEnvironmentV(r.s(0), r.s(1), r.s(2), r.s(3), r.s(4), r.s(5), r.s(6), r.n(7), filter, r.n(9),
                                        r.n(10), n, tk, vl);
        break;
    }
    case Request::MakeShadow: target.MakeShadowV(r.s(0), r.s(1), n, tk, vl); break;
    case Request::ArchiveBegin: target.ArchiveBeginV(r.s(0), n, tk, vl); break;
    case Request::ArchiveEnd: target.ArchiveEnd(); break;
    case Request::IfBegin: target.IfBegin(r.s(0)); break;
    case Request::ElseIf: target.ElseIf(r.s(0)); break;
    case Request::Else: target.Else(); break;
    case Request::IfEnd: target.IfEnd(); break;
    case Request::Resource: target.ResourceV(r.s(0), r.s(1), n, tk, vl); break;
    case Request::ResourceBegin: target.ResourceBegin(); break;
    case Request::ResourceEnd: target.ResourceEnd(); break;
    case Request::ClippingPlane: target.ClippingPlane(r.n(0), r.n(1), r.n(2), r.n(3), r.n(4), r.n(5)); break;
    case Request::Camera: target.CameraV(r.s(0), n, tk, vl); break;
    case Request::ScopedCoordinateSystem: target.ScopedCoordinateSystem(r.s(0)); break;
    case Request::System: target.System(r.s(0)); break;
    case Request::Volume: target.VolumeV(r.s(0), r.F(1), r.I(2), n, tk, vl); break;
    case Request::Procedural2: {
        RtProc2SubdivFunc function = procedural2Function(r.s(0));
        if (!function) {
            report(formatString(kUnknownProcedural, k, printableText(r.s(0)).c_str()));
            return false;
        }
        RtProc2BoundFunc bound = boundFunction(r.s(1));
        if (!bound) {
            report(formatString(kBoundFunction, k, r.s(1)));
            return false;
        }
        target.Procedural2V(function, bound, n, tk, vl);
        break;
    }
    }
    return true;
}

}  // namespace quillet
