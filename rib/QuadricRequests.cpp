// Quadric requests: the fixed numbers as "%g" text in both encodings, then
// the parameter list with the quadric counts.
#include "format/GeometryCounts.h"
#include "rib/GeometryWriting.h"
#include "rib/RibStream.h"

namespace quillet {

namespace {

// A missing point is written as the origin rather than read through null.
const RtFloat kOrigin[3] = {0, 0, 0};

const RtFloat *pointOrOrigin(const RtFloat *point) {
    return point ? point : kOrigin;
}

// The declarations the list needs, the request's text (its keyword and
// numbers by format), then the parameter list with the quadric counts.
template <typename... Numbers>
void writeQuadric(RibStream &writer, RtInt n, RtToken tokens[], RtPointer values[], const char *format,
                  Numbers... numbers) {
    writer.declareForStream(n, tokens);
    writer.writef(format, static_cast<double>(numbers)...);
    writeCounted(writer, quadricCounts(), n, tokens, values);
}

}  // namespace

RtVoid RibStream::ConeV(RtFloat height, RtFloat radius, RtFloat thetamax, RtInt n, RtToken tokens[],
                        RtPointer values[]) {
    writeQuadric(*this, n, tokens, values, "Cone %g %g %g", height, radius, thetamax);
}

RtVoid RibStream::CylinderV(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],
                            RtPointer values[]) {
    writeQuadric(*this, n, tokens, values, "Cylinder %g %g %g %g", radius, zmin, zmax, thetamax);
}

RtVoid RibStream::DiskV(RtFloat height, RtFloat radius, RtFloat thetamax, RtInt n, RtToken tokens[],
                        RtPointer values[]) {
    writeQuadric(*this, n, tokens, values, "Disk %g %g %g", height, radius, thetamax);
}

RtVoid RibStream::HyperboloidV(RtPoint point1, RtPoint point2, RtFloat thetamax, RtInt n, RtToken tokens[],
                               RtPointer values[]) {
    const RtFloat *p1 = pointOrOrigin(point1);
    const RtFloat *p2 = pointOrOrigin(point2);
    writeQuadric(*this, n, tokens, values, "Hyperboloid %g %g %g %g %g %g %g", p1[0], p1[1], p1[2], p2[0], p2[1], p2[2],
                 thetamax);
}

RtVoid RibStream::ParaboloidV(RtFloat rmax, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],
                              RtPointer values[]) {
    writeQuadric(*this, n, tokens, values, "Paraboloid %g %g %g %g", rmax, zmin, zmax, thetamax);
}

RtVoid RibStream::SphereV(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],
                          RtPointer values[]) {
    writeQuadric(*this, n, tokens, values, "Sphere %g %g %g %g", radius, zmin, zmax, thetamax);
}

RtVoid RibStream::TorusV(RtFloat majorradius, RtFloat minorradius, RtFloat phimin, RtFloat phimax, RtFloat thetamax,
                         RtInt n, RtToken tokens[], RtPointer values[]) {
    writeQuadric(*this, n, tokens, values, "Torus %g %g %g %g %g", majorradius, minorradius, phimin, phimax, thetamax);
}

}  // namespace quillet
