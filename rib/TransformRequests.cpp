// Placeholder: these requests write nothing until their writers land.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "rib/RibWriter.h"

RtVoid RibWriter::Identity() {}
RtVoid RibWriter::ConcatTransform(RtMatrix transform) {}
RtVoid RibWriter::Transform(RtMatrix transform) {}
RtVoid RibWriter::Perspective(RtFloat fov) {}
RtVoid RibWriter::Translate(RtFloat dx, RtFloat dy, RtFloat dz) {}
RtVoid RibWriter::Rotate(RtFloat angle, RtFloat dx, RtFloat dy, RtFloat dz) {}
RtVoid RibWriter::Scale(RtFloat sx, RtFloat sy, RtFloat sz) {}
RtVoid RibWriter::Skew(RtFloat angle, RtFloat dx1, RtFloat dy1, RtFloat dz1, RtFloat dx2, RtFloat dy2, RtFloat dz2) {}
RtVoid RibWriter::CoordinateSystem(RtToken space) {}
RtVoid RibWriter::CoordSysTransform(RtToken space) {}
RtPoint * RibWriter::TransformPoints(RtToken fromspace, RtToken tospace, RtInt n, RtPoint points[]) { return nullptr; }
