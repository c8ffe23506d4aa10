// Entry points that ask the renderer to make texture, environment and shadow
// maps.
#include "ri/EntryPoints.h"

QUILLET_LIST_ENTRIES(MakeTexture,
                     (const char *picturename, const char *texturename, RtToken swrap, RtToken twrap,
                      RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth),
                     (picturename, texturename, swrap, twrap, filterfunc, swidth, twidth), twidth)

QUILLET_LIST_ENTRIES(MakeLatLongEnvironment,
                     (const char *picturename, const char *texturename, RtFilterFunc filterfunc, RtFloat swidth,
                      RtFloat twidth),
                     (picturename, texturename, filterfunc, swidth, twidth), twidth)

QUILLET_LIST_ENTRIES(MakeCubeFaceEnvironment,
                     (const char *px, const char *nx, const char *py, const char *ny, const char *pz, const char *nz,
                      const char *texturename, RtFloat fov, RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth),
                     (px, nx, py, ny, pz, nz, texturename, fov, filterfunc, swidth, twidth), twidth)

QUILLET_LIST_ENTRIES(MakeShadow, (const char *picturename, const char *texturename), (picturename, texturename),
                     texturename)
