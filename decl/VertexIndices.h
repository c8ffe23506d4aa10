// Vertex indices of a mesh (PointsPolygons, PointsGeneralPolygons,
// SubdivisionMesh) against the points that its vertex parameter carries: the
// one rule and message that the stream checker and the Python module share.
#ifndef QUILLET_VERTEXINDICES_H
#define QUILLET_VERTEXINDICES_H

#include <cstddef>
#include <string>

#include "quillet/ParamDecl.h"
#include "quillet/ri.h"

namespace quillet {

// Whether a parameter of this declaration gives the mesh's points: the
// vertex class with at least one value per point ("P", "Pw", "Pz").
bool carriesPoints(const ParamDecl &decl);
// Points that `values` values of such a parameter make (whole points only).
size_t pointsOf(const ParamDecl &decl, size_t values);

// The first of the count indices that is negative or not below points, in
// `bad`; false when every index names a point.
bool findIndexOutOfRange(const RtInt indices[], size_t count, size_t points, RtInt &bad);

// "vertex index 99 out of range: P has 3 points"
std::string vertexIndexOutOfRange(RtInt index, const char *parameter, size_t points);

}  // namespace quillet

#endif
