// Entry points of transformations and coordinate systems.
#include "ri/EntryPoints.h"

QUILLET_ENTRY(Identity, (void), ())

QUILLET_ENTRY(ConcatTransform, (RtMatrix transform), (transform))

QUILLET_ENTRY(Transform, (RtMatrix transform), (transform))

QUILLET_ENTRY(Perspective, (RtFloat fov), (fov))

QUILLET_ENTRY(Translate, (RtFloat dx, RtFloat dy, RtFloat dz), (dx, dy, dz))

QUILLET_ENTRY(Rotate, (RtFloat angle, RtFloat dx, RtFloat dy, RtFloat dz), (angle, dx, dy, dz))

QUILLET_ENTRY(Scale, (RtFloat sx, RtFloat sy, RtFloat sz), (sx, sy, sz))

QUILLET_ENTRY(Skew, (RtFloat angle, RtFloat dx1, RtFloat dy1, RtFloat dz1, RtFloat dx2, RtFloat dy2, RtFloat dz2),
              (angle, dx1, dy1, dz1, dx2, dy2, dz2))

QUILLET_ENTRY(CoordinateSystem, (RtToken space), (space))

QUILLET_ENTRY(CoordSysTransform, (RtToken space), (space))

QUILLET_RESULT_ENTRY(RtPoint *, TransformPoints, (RtToken fromspace, RtToken tospace, RtInt n, RtPoint points[]),
                     (fromspace, tospace, n, points))

QUILLET_ENTRY(ScopedCoordinateSystem, (RtToken space), (space))
