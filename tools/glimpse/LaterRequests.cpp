// The requests of the later interface versions in the previewer. Named
// objects are defined and placed as numbered ones are; an inline archive is
// recorded as an object is and drawn where ReadArchive names it; a clipping
// plane joins the camera; a volume is drawn as its bound's box, its colour
// scaled by the mean "density". Conditional blocks are decided before the
// requests get here (Conditions). ScopedCoordinateSystem names a space
// until its block ends. Camera, Resource, System, the other Procedural2
// kinds and unknown requests are counted as skipped.
#include <algorithm>

#include "format/GeometryCounts.h"
#include "tools/glimpse/PreviewContext.h"

namespace quillet {
namespace glimpse {

namespace {

const char kDensity[] = "density";

// The twelve triangles of a box's faces.
MeshData boxMesh(const RtBound bound) {
    MeshData mesh;
    for (int k = 0; k < 8; ++k) mesh.addVertex({bound[k & 1], bound[2 + ((k >> 1) & 1)], bound[4 + ((k >> 2) & 1)]});
    static const uint32_t kFaces[6][4] = {{0, 1, 3, 2}, {4, 6, 7, 5}, {0, 4, 5, 1},
                                          {2, 3, 7, 6}, {0, 2, 6, 4}, {1, 5, 7, 3}};
    for (const auto &face : kFaces) {
        mesh.addTriangle(face[0], face[1], face[2]);
        mesh.addTriangle(face[0], face[2], face[3]);
    }
    return mesh;
}

}  // namespace

RtObjectHandle PreviewContext::ObjectBeginV(RtInt, RtToken[], RtPointer[]) {
    return ObjectBegin();
}

RtArchiveHandle PreviewContext::ArchiveBeginV(RtToken name, RtInt, RtToken[], RtPointer[]) {
    RtObjectHandle handle = ObjectBegin();
    if (handle && name) {
        inlineArchives[name] = reinterpret_cast<intptr_t>(handle);
        recordingArchive = true;
    }
    return const_cast<char *>(name);
}

RtVoid PreviewContext::ArchiveEnd() {
    if (!recordingArchive) return;
    recordingArchive = false;
    ObjectEnd();
}

RtVoid PreviewContext::ReadArchiveV(RtToken name, RtArchiveCallback, RtInt, RtToken[], RtPointer[]) {
    auto archive = name ? inlineArchives.find(name) : inlineArchives.end();
    auto parts = archive == inlineArchives.end() ? objects.end() : objects.find(archive->second);
    if (parts == objects.end()) return skip("ReadArchive");
    placeParts(parts->second, "ReadArchive");
}

// Outside the world blocks an inactive branch never reaches here: the If
// requests that do (inside followed archives) are counted.
QUILLET_GLIMPSE_SKIPPED(IfBegin, (RtString))
QUILLET_GLIMPSE_SKIPPED(ElseIf, (RtString))
QUILLET_GLIMPSE_SKIPPED(Else, ())
RtVoid PreviewContext::IfEnd() {}

QUILLET_GLIMPSE_SKIPPED_V(Resource, (RtToken, RtToken, RtInt, RtToken[], RtPointer[]))
QUILLET_GLIMPSE_SKIPPED(ResourceBegin, ())
RtVoid PreviewContext::ResourceEnd() {}

// Fixed in camera space when given: later transforms do not move it.
RtVoid PreviewContext::ClippingPlane(RtFloat x, RtFloat y, RtFloat z, RtFloat nx, RtFloat ny, RtFloat nz) {
    Mat4 inverse;
    if (!state.ctm.inverse(inverse)) return;
    Vec3 normal = inverse.transposedVector({nx, ny, nz});
    if (length(normal) == 0) return;
    options.clipPlanes.push_back({state.ctm.point({x, y, z}), normal});
    optionChanged();
}

QUILLET_GLIMPSE_SKIPPED_V(Camera, (RtToken, RtInt, RtToken[], RtPointer[]))
// The name holds until the block it was made in ends; at the top level it
// holds to the end of the stream, as CoordinateSystem's does.
RtVoid PreviewContext::ScopedCoordinateSystem(RtToken space) {
    std::string name = space ? space : "";
    if (!stack.empty()) {
        auto it = coordinateSystems.find(name);
        bool existed = it != coordinateSystems.end();
        stack.back().scopedSpaces.push_back(ScopedSpace{name, existed, existed ? it->second : Mat4()});
    }
    CoordinateSystem(space);
}
QUILLET_GLIMPSE_SKIPPED(System, (RtString))

RtVoid PreviewContext::VolumeV(RtToken, RtBound bound, RtInt dimensions[3], RtInt n, RtToken tokens[],
                               RtPointer values[]) {
    if (!bound || !canDraw("Volume")) return;
    ParamLookup params(n, tokens, values);
    double mean = 1;
    if (FloatParam density = params.find(kDensity, 1)) {
        bool perPoint = density.storage == ParamClass::Vertex || density.storage == ParamClass::Varying;
        RtInt count = perPoint ? volumeCounts(dimensions).vertex : 1;
        double sum = 0;
        for (RtInt k = 0; k < count; ++k) sum += density.values[k];
        mean = count > 0 ? std::max(0.0, sum / count) : 0;
    }
    auto material = std::make_shared<Material>(*materialFor(params));
    material->color = material->color * mean;
    addMesh(boxMesh(bound), material);
    drawn("Volume");
}

// The archive kinds were read by the archive follower when it could.
QUILLET_GLIMPSE_SKIPPED_V(Procedural2, (RtProc2SubdivFunc, RtProc2BoundFunc, RtInt, RtToken[], RtPointer[]))
RtVoid PreviewContext::Version(RtFloat) {}
RtVoid PreviewContext::UnknownRequestV(RtToken name, RtInt, const RequestValue[], RtInt, RtToken[],
                                       const RequestValue[]) {
    skip(name);
}

}  // namespace glimpse
}  // namespace quillet
