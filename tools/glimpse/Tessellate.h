// Parametric and subdivision surfaces, curves and polygons turned into
// triangle meshes in object space. Each mesh is one grid or one refined
// cage with shared vertices, so that neighbouring pieces meet exactly.
// Colours given per vertex or varying are carried to the mesh's vertices,
// uniform ones to its triangles; constant ones are the caller's business.
#ifndef QUILLET_GLIMPSE_TESSELLATE_H
#define QUILLET_GLIMPSE_TESSELLATE_H

#include <string>

#include "tools/glimpse/Mesh.h"
#include "tools/glimpse/ParamLookup.h"

namespace quillet {
namespace glimpse {

// Positions ("P", or "Pw" divided through) and the colours of a request.
struct SurfaceParams {
    FloatParam P;  // width 3, or 4 for homogeneous points
    FloatParam cs, os;
};

struct CubicBasis {
    const RtFloat *u, *v;  // 16 values each, row by row
    int ustep, vstep;
};

// The weights of a cubic segment's four control points at t for a basis
// matrix given row by row: [t^3 t^2 t 1] times the matrix.
void cubicWeights(const RtFloat *basis, double t, double w[4]);

struct PatchMeshShape {
    bool bicubic;
    int nu, nv;
    bool uperiodic, vperiodic;
};

// The patch counts per direction; false when the mesh has no patch.
bool patchCounts(const PatchMeshShape &shape, const CubicBasis &basis, int &pu, int &pv);
// segments per patch side.
MeshData tessellatePatchMesh(const PatchMeshShape &shape, const CubicBasis &basis, const SurfaceParams &params,
                             int segments);

struct NuPatchShape {
    int nu, uorder;
    const RtFloat *uknot;
    double umin, umax;
    int nv, vorder;
    const RtFloat *vknot;
    double vmin, vmax;
};

// Empty text when the shape can be drawn, else what is wrong with it.
std::string nuPatchProblem(const NuPatchShape &shape);
MeshData tessellateNuPatch(const NuPatchShape &shape, const SurfaceParams &params, int segments);

struct SubdivisionShape {
    int nfaces;
    const RtInt *nvertices, *vertices;
    int ntags;
    const RtToken *tags;
    const RtInt *nargs, *intargs;
    const RtFloat *floatargs;
    size_t npoints;
};

// Catmull-Clark refinement by levels, with the crease, corner, hole and
// interpolateboundary tags; other tags are left out and named in ignored.
// Empty text when the shape can be drawn, else what is wrong with it.
std::string subdivisionProblem(const SubdivisionShape &shape);
MeshData tessellateSubdivision(const SubdivisionShape &shape, const SurfaceParams &params, int levels,
                               std::string &ignored);

// Curves as ribbons that face the viewer: at the origin of object space
// when viewerIsPoint, else along the direction viewer.
struct CurvesShape {
    bool cubic, periodic;
    int ncurves;
    const RtInt *nvertices;
};
struct Viewer {
    bool isPoint;
    Vec3 at;  // the point, or the direction toward the viewer
};
MeshData tessellateCurves(const CurvesShape &shape, const CubicBasis &basis, const SurfaceParams &params,
                          const FloatParam &width, double constantWidth, const Viewer &viewer, int segments);

// Polygons with one loop each, as fans when convex and by ear clipping
// otherwise: false for a polygon that needs an analytic shape (holes, or
// too many vertices to clip).
bool triangulateLoop(const std::vector<Vec3> &loop, const std::vector<uint32_t> &indices, MeshData &mesh);

// Smooth vertex normals from the faces around each vertex.
void smoothNormals(MeshData &mesh);

}  // namespace glimpse
}  // namespace quillet

#endif
