// Placeholder: these requests write nothing until their writers land.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "rib/RibWriter.h"

RtVoid RibWriter::Cone(RtFloat height, RtFloat radius, RtFloat thetamax, ...) {}
RtVoid RibWriter::ConeV(RtFloat height, RtFloat radius, RtFloat thetamax, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Cylinder(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, ...) {}
RtVoid RibWriter::CylinderV(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Disk(RtFloat height, RtFloat radius, RtFloat thetamax, ...) {}
RtVoid RibWriter::DiskV(RtFloat height, RtFloat radius, RtFloat thetamax, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Hyperboloid(RtPoint point1, RtPoint point2, RtFloat thetamax, ...) {}
RtVoid RibWriter::HyperboloidV(RtPoint point1, RtPoint point2, RtFloat thetamax, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Paraboloid(RtFloat rmax, RtFloat zmin, RtFloat zmax, RtFloat thetamax, ...) {}
RtVoid RibWriter::ParaboloidV(RtFloat rmax, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Sphere(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, ...) {}
RtVoid RibWriter::SphereV(RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Torus(RtFloat majorradius, RtFloat minorradius, RtFloat phimin, RtFloat phimax, RtFloat thetamax, ...) {}
RtVoid RibWriter::TorusV(RtFloat majorradius, RtFloat minorradius, RtFloat phimin, RtFloat phimax, RtFloat thetamax, RtInt n, RtToken tokens[], RtPointer values[]) {}
