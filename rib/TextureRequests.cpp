// Texture-making requests. They carry no parameter list into the stream:
// the pairs are accepted and ignored. The filter is named by address and
// left empty between its quotes when it is not a standard one.
#include "format/FunctionNames.h"
#include "quillet/RibWriter.h"

namespace quillet {

RtVoid RibWriter::MakeTextureV(const char *picturename, const char *texturename, RtToken swrap, RtToken twrap,
                               RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, RtInt, RtToken[], RtPointer[]) {
    writef("MakeTexture ");
    writeQuotedList({picturename, texturename, swrap, twrap, filterName(filterfunc)});
    writef(" %g %g\n", swidth, twidth);
}

RtVoid RibWriter::MakeLatLongEnvironmentV(const char *picturename, const char *texturename, RtFilterFunc filterfunc,
                                          RtFloat swidth, RtFloat twidth, RtInt, RtToken[], RtPointer[]) {
    writef("MakeLatLongEnvironment ");
    writeQuotedList({picturename, texturename, filterName(filterfunc)});
    writef(" %g %g\n", swidth, twidth);
}

RtVoid RibWriter::MakeCubeFaceEnvironmentV(const char *px, const char *nx, const char *py, const char *ny,
                                           const char *pz, const char *nz, const char *texturename, RtFloat fov,
                                           RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, RtInt, RtToken[],
                                           RtPointer[]) {
    writef("MakeCubeFaceEnvironment ");
    writeQuotedList({px, nx, py, ny, pz, nz, texturename});
    writef(" %g ", fov);
    writeQuoted(filterName(filterfunc));
    writef(" %g %g\n", swidth, twidth);
}

RtVoid RibWriter::MakeShadowV(const char *picturename, const char *texturename, RtInt, RtToken[], RtPointer[]) {
    writef("MakeShadow ");
    writeQuotedList({picturename, texturename});
    writef("\n");
}

}  // namespace quillet
