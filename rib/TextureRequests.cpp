// Texture-making requests: their arguments, then the parameter list like any
// other request's. The filter is named by address and left empty between its
// quotes when it is not a standard one.
#include "format/FunctionNames.h"
#include "rib/RibStream.h"
#include "rib/RequestText.h"

namespace quillet {

RtVoid RibStream::MakeTextureV(const char *picturename, const char *texturename, RtToken swrap, RtToken twrap,
                               RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, RtInt n, RtToken tokens[],
                               RtPointer values[]) {
    writef("MakeTexture ");
    writeQuotedList({picturename, texturename, swrap, twrap, filterName(filterfunc)});
    writef(" %g %g", swidth, twidth);
    writeParamsAndEnd(*this, n, tokens, values);
}

RtVoid RibStream::MakeLatLongEnvironmentV(const char *picturename, const char *texturename, RtFilterFunc filterfunc,
                                          RtFloat swidth, RtFloat twidth, RtInt n, RtToken tokens[],
                                          RtPointer values[]) {
    writef("MakeLatLongEnvironment ");
    writeQuotedList({picturename, texturename, filterName(filterfunc)});
    writef(" %g %g", swidth, twidth);
    writeParamsAndEnd(*this, n, tokens, values);
}

RtVoid RibStream::MakeCubeFaceEnvironmentV(const char *px, const char *nx, const char *py, const char *ny,
                                           const char *pz, const char *nz, const char *texturename, RtFloat fov,
                                           RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, RtInt n,
                                           RtToken tokens[], RtPointer values[]) {
    writef("MakeCubeFaceEnvironment ");
    writeQuotedList({px, nx, py, ny, pz, nz, texturename});
    writef(" %g ", fov);
    writeQuoted(filterName(filterfunc));
    writef(" %g %g", swidth, twidth);
    writeParamsAndEnd(*this, n, tokens, values);
}

RtVoid RibStream::MakeShadowV(const char *picturename, const char *texturename, RtInt n, RtToken tokens[],
                              RtPointer values[]) {
    writef("MakeShadow ");
    writeQuotedList({picturename, texturename});
    writeParamsAndEnd(*this, n, tokens, values);
}

}  // namespace quillet
