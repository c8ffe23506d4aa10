// Transform requests. Translate and Rotate send their numbers through
// writeFloat, the matrices go through writeFloatArray (both follow the
// stream's encoding); Perspective, Scale and Skew format their own text.
#include "rib/RequestText.h"
#include "quillet/RibWriter.h"

namespace quillet {

namespace {

// The 16 values of a matrix in memory order, row after row.
const RtFloat *matrixValues(RtMatrix matrix) {
    return matrix ? matrix[0] : nullptr;
}

const RtInt kMatrixSize = 16;

}  // namespace

RtVoid RibWriter::Identity() {
    writef("Identity\n");
}

RtVoid RibWriter::ConcatTransform(RtMatrix transform) {
    writeFloatArrayRequest(*this, "ConcatTransform", matrixValues(transform), kMatrixSize);
}

RtVoid RibWriter::Transform(RtMatrix transform) {
    writeFloatArrayRequest(*this, "Transform", matrixValues(transform), kMatrixSize);
}

RtVoid RibWriter::Perspective(RtFloat fov) {
    writef("Perspective %g\n", fov);
}

RtVoid RibWriter::Translate(RtFloat dx, RtFloat dy, RtFloat dz) {
    writeFloatsRequest(*this, "Translate", {dx, dy, dz});
}

RtVoid RibWriter::Rotate(RtFloat angle, RtFloat dx, RtFloat dy, RtFloat dz) {
    writeFloatsRequest(*this, "Rotate", {angle, dx, dy, dz});
}

RtVoid RibWriter::Scale(RtFloat sx, RtFloat sy, RtFloat sz) {
    writef("Scale %g %g %g\n", sx, sy, sz);
}

RtVoid RibWriter::Skew(RtFloat angle, RtFloat dx1, RtFloat dy1, RtFloat dz1, RtFloat dx2, RtFloat dy2, RtFloat dz2) {
    writef("Skew %g   %g %g %g   %g %g %g\n", angle, dx1, dy1, dz1, dx2, dy2, dz2);
}

RtVoid RibWriter::CoordinateSystem(RtToken space) {
    writeQuotedRequest(*this, "CoordinateSystem", space);
}
RtVoid RibWriter::ScopedCoordinateSystem(RtToken space) {
    writeQuotedRequest(*this, "ScopedCoordinateSystem", space);
}
RtVoid RibWriter::CoordSysTransform(RtToken space) {
    writeQuotedRequest(*this, "CoordSysTransform", space);
}

// A stream writer keeps no transformation state: nothing is transformed.
RtPoint *RibWriter::TransformPoints(RtToken, RtToken, RtInt, RtPoint[]) {
    return nullptr;
}

}  // namespace quillet
