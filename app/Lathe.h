// The sample scene: a lathe object, a stack of hyperboloid bands swept a
// full turn around the z axis through a profile, inside a primitive solid.
#ifndef QUILLET_LATHE_H
#define QUILLET_LATHE_H

#include "quillet/ri.h"

// One point of a lathe profile: z coordinate, then distance from the z axis.
struct ProfilePoint {
    RtFloat height;
    RtFloat radius;
};

// The sample object's profile, from the top down to the base.
const int kLatheProfileCount = 16;
extern const ProfilePoint LatheProfile[kLatheProfileCount];

// One lathe as a primitive solid: its bands, then a disk at each end of the
// profile whose radius is not 0 (first point, then last). count >= 1.
void LatheSolid(const ProfilePoint *profile, int count);

// One hyperboloid between each two consecutive profile points, top down.
void LatheBands(const ProfilePoint *profile, int count);

// Everything between RiBegin and RiEnd: the perspective camera, the distant
// light and the lathe in its world block.
void describeLatheScene();

#endif
