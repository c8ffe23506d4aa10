// Placeholder: these requests write nothing until their writers land.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "rib/RibWriter.h"

RtVoid RibWriter::MakeTexture(const char *picturename, const char *texturename, RtToken swrap, RtToken twrap, RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, ...) {}
RtVoid RibWriter::MakeTextureV(const char *picturename, const char *texturename, RtToken swrap, RtToken twrap, RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::MakeLatLongEnvironment(const char *picturename, const char *texturename, RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, ...) {}
RtVoid RibWriter::MakeLatLongEnvironmentV(const char *picturename, const char *texturename, RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::MakeCubeFaceEnvironment(const char *px, const char *nx, const char *py, const char *ny, const char *pz, const char *nz, const char *texturename, RtFloat fov, RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, ...) {}
RtVoid RibWriter::MakeCubeFaceEnvironmentV(const char *px, const char *nx, const char *py, const char *ny, const char *pz, const char *nz, const char *texturename, RtFloat fov, RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::MakeShadow(const char *picturename, const char *texturename, ...) {}
RtVoid RibWriter::MakeShadowV(const char *picturename, const char *texturename, RtInt n, RtToken tokens[], RtPointer values[]) {}
