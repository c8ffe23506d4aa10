// Entry points of the quadric surfaces.
#include "ri/EntryPoints.h"

QUILLET_LIST_ENTRIES(Cone, (RtFloat height, RtFloat radius, RtFloat thetamax), (height, radius, thetamax), thetamax)

QUILLET_LIST_ENTRIES(Cylinder, (RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax),
                     (radius, zmin, zmax, thetamax), thetamax)

QUILLET_LIST_ENTRIES(Disk, (RtFloat height, RtFloat radius, RtFloat thetamax), (height, radius, thetamax), thetamax)

QUILLET_LIST_ENTRIES(Hyperboloid, (RtPoint point1, RtPoint point2, RtFloat thetamax), (point1, point2, thetamax),
                     thetamax)

QUILLET_LIST_ENTRIES(Paraboloid, (RtFloat rmax, RtFloat zmin, RtFloat zmax, RtFloat thetamax),
                     (rmax, zmin, zmax, thetamax), thetamax)

QUILLET_LIST_ENTRIES(Sphere, (RtFloat radius, RtFloat zmin, RtFloat zmax, RtFloat thetamax),
                     (radius, zmin, zmax, thetamax), thetamax)

QUILLET_LIST_ENTRIES(Torus,
                     (RtFloat majorradius, RtFloat minorradius, RtFloat phimin, RtFloat phimax, RtFloat thetamax),
                     (majorradius, minorradius, phimin, phimax, thetamax), thetamax)
