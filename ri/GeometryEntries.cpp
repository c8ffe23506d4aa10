// Entry points of curves, points, subdivision meshes, blobbies, procedurals
// and generic geometry.
#include "ri/EntryPoints.h"

QUILLET_LIST_ENTRIES(Curves, (RtToken type, RtInt ncurves, RtInt nvertices[], RtToken wrap),
                     (type, ncurves, nvertices, wrap), wrap)

QUILLET_LIST_ENTRIES(Points, (RtInt npoints), (npoints), npoints)

QUILLET_LIST_ENTRIES(SubdivisionMesh,
                     (RtToken scheme, RtInt nfaces, RtInt nvertices[], RtInt vertices[], RtInt ntags, RtToken tags[],
                      RtInt nargs[], RtInt intargs[], RtFloat floatargs[]),
                     (scheme, nfaces, nvertices, vertices, ntags, tags, nargs, intargs, floatargs), floatargs)

QUILLET_LIST_ENTRIES(Blobby,
                     (RtInt nleaf, RtInt ncode, RtInt code[], RtInt nflt, RtFloat flt[], RtInt nstr, RtToken str[]),
                     (nleaf, ncode, code, nflt, flt, nstr, str), str)

QUILLET_ENTRY(Procedural, (RtPointer data, RtBound bound, RtProcSubdivFunc subdivfunc, RtProcFreeFunc freefunc),
              (data, bound, subdivfunc, freefunc))

QUILLET_NAMED_LIST_ENTRIES(Geometry, type)

QUILLET_LIST_ENTRIES(Volume, (RtToken type, RtBound bound, RtInt dimensions[3]), (type, bound, dimensions), dimensions)

QUILLET_LIST_ENTRIES(Procedural2, (RtProc2SubdivFunc subdivfunc, RtProc2BoundFunc boundfunc), (subdivfunc, boundfunc),
                     boundfunc)
