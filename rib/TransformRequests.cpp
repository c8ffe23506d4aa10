// Transform requests. Translate and Rotate send their numbers through
// writeFloat, the matrices go through writeFloatArray (both follow the
// stream's encoding); Perspective, Scale and Skew format their own text.
#include "rib/RequestText.h"
#include "rib/RibStream.h"

namespace quillet {

namespace {

// The 16 values of a matrix in memory order, row after row.
const RtFloat *matrixValues(RtMatrix matrix) {
    return matrix ? matrix[0] : nullptr;
}

const RtInt kMatrixSize = 16;

}  // namespace

RtVoid RibStream::Identity() {
    writef("Identity\n");
}

RtVoid RibStream::ConcatTransform(RtMatrix transform) {
    writeFloatArrayRequest(*this, "ConcatTransform", matrixValues(transform), kMatrixSize);
}

RtVoid RibStream::Transform(RtMatrix transform) {
    writeFloatArrayRequest(*this, "Transform", matrixValues(transform), kMatrixSize);
}

RtVoid RibStream::Perspective(RtFloat fov) {
    writef("Perspective %g\n", fov);
}

RtVoid RibStream::Translate(RtFloat dx, RtFloat dy, RtFloat dz) {
    writeFloatsRequest(*this, "Translate", {dx, dy, dz});
}

RtVoid RibStream::Rotate(RtFloat angle, RtFloat dx, RtFloat dy, RtFloat dz) {
    writeFloatsRequest(*this, "Rotate", {angle, dx, dy, dz});
}

RtVoid RibStream::Scale(RtFloat sx, RtFloat sy, RtFloat sz) {
    writef("Scale %g %g %g\n", sx, sy, sz);
}

RtVoid RibStream::Skew(RtFloat angle, RtFloat dx1, RtFloat dy1, RtFloat dz1, RtFloat dx2, RtFloat dy2, RtFloat dz2) {
    writef("Skew %g   %g %g %g   %g %g %g\n", angle, dx1, dy1, dz1, dx2, dy2, dz2);
}

RtVoid RibStream::CoordinateSystem(RtToken space) {
    writeQuotedRequest(*this, "CoordinateSystem", space);
}
RtVoid RibStream::ScopedCoordinateSystem(RtToken space) {
    writeQuotedRequest(*this, "ScopedCoordinateSystem", space);
}
RtVoid RibStream::CoordSysTransform(RtToken space) {
    writeQuotedRequest(*this, "CoordSysTransform", space);
}

// A stream writer keeps no transformation state: nothing is transformed.
RtPoint *RibStream::TransformPoints(RtToken, RtToken, RtInt, RtPoint[]) {
    return nullptr;
}

}  // namespace quillet
