// Quadric requests: the fixed numbers as "%g" text in both encodings, then
// the parameter list with the quadric counts.
#include "format/GeometryCounts.h"
#include "rib/GeometryWriting.h"
#include "quillet/RibWriter.h"

namespace quillet {

namespace {

// A missing point is written as the origin rather than read through null.
const RtFloat kOrigin[3] = {0, 0, 0};

const RtFloat *pointOrOrigin(const RtFloat *point) {
    return point ? point : kOrigin;
}

void writeQuadricParams(RibWriter &writer, RtInt n, RtToken tokens[], RtPointer values[]) {
    writeCounted(writer, quadricCounts(), n, tokens, values);
}

}  // namespace

RtVoid RibWriter::ConeV(RtFloat height, RtFloat radius, RtFloat thetamax, RtInt n, RtToken tokens[],
                        RtPointer values[]) {
    declareForStream(n, tokens);
    writef("Cone %g %g %g", height, radius, thetamax);
    writeQuadricParams(*this, n, tokens, values);
}

RtVoid RibWriter::CylinderV(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],
                            RtPointer values[]) {
    declareForStream(n, tokens);
    writef("Cylinder %g %g %g %g", radius, zmin, zmax, thetamax);
    writeQuadricParams(*this, n, tokens, values);
}

RtVoid RibWriter::DiskV(RtFloat height, RtFloat radius, RtFloat thetamax, RtInt n, RtToken tokens[],
                        RtPointer values[]) {
    declareForStream(n, tokens);
    writef("Disk %g %g %g", height, radius, thetamax);
    writeQuadricParams(*this, n, tokens, values);
}

RtVoid RibWriter::HyperboloidV(RtPoint point1, RtPoint point2, RtFloat thetamax, RtInt n, RtToken tokens[],
                               RtPointer values[]) {
    declareForStream(n, tokens);
    const RtFloat *p1 = pointOrOrigin(point1);
    const RtFloat *p2 = pointOrOrigin(point2);
    writef("Hyperboloid %g %g %g %g %g %g %g", p1[0], p1[1], p1[2], p2[0], p2[1], p2[2], thetamax);
    writeQuadricParams(*this, n, tokens, values);
}

RtVoid RibWriter::ParaboloidV(RtFloat rmax, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],
                              RtPointer values[]) {
    declareForStream(n, tokens);
    writef("Paraboloid %g %g %g %g", rmax, zmin, zmax, thetamax);
    writeQuadricParams(*this, n, tokens, values);
}

RtVoid RibWriter::SphereV(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[],
                          RtPointer values[]) {
    declareForStream(n, tokens);
    writef("Sphere %g %g %g %g", radius, zmin, zmax, thetamax);
    writeQuadricParams(*this, n, tokens, values);
}

RtVoid RibWriter::TorusV(RtFloat majorradius, RtFloat minorradius, RtFloat phimin, RtFloat phimax, RtFloat thetamax,
                         RtInt n, RtToken tokens[], RtPointer values[]) {
    declareForStream(n, tokens);
    writef("Torus %g %g %g %g %g", majorradius, minorradius, phimin, phimax, thetamax);
    writeQuadricParams(*this, n, tokens, values);
}

}  // namespace quillet
