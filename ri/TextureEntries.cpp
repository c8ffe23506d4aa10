// Entry points that ask the renderer to make texture, environment and shadow
// maps.
#include "ri/CurrentContext.h"
#include "ri/ParamList.h"

using quillet::activeContext;
using quillet::RenderContext;

RtVoid RiMakeTexture(const char *picturename, const char *texturename, RtToken swrap, RtToken twrap,
                     RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, ...) {
    QUILLET_PARAM_LIST(params, twidth);
    if (RenderContext *c = activeContext(__func__))
        c->MakeTextureV(picturename, texturename, swrap, twrap, filterfunc, swidth, twidth, params.count(),
                        params.tokens(), params.values());
}

RtVoid RiMakeTextureV(const char *picturename, const char *texturename, RtToken swrap, RtToken twrap,
                      RtFilterFunc filterfunc, RtFloat swidth, RtFloat twidth, RtInt n, RtToken tokens[],
                      RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__))
        c->MakeTextureV(picturename, texturename, swrap, twrap, filterfunc, swidth, twidth, n, tokens, values);
}

RtVoid RiMakeLatLongEnvironment(const char *picturename, const char *texturename, RtFilterFunc filterfunc,
                                RtFloat swidth, RtFloat twidth, ...) {
    QUILLET_PARAM_LIST(params, twidth);
    if (RenderContext *c = activeContext(__func__))
        c->MakeLatLongEnvironmentV(picturename, texturename, filterfunc, swidth, twidth, params.count(),
                                   params.tokens(), params.values());
}

RtVoid RiMakeLatLongEnvironmentV(const char *picturename, const char *texturename, RtFilterFunc filterfunc,
                                 RtFloat swidth, RtFloat twidth, RtInt n, RtToken tokens[], RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__))
        c->MakeLatLongEnvironmentV(picturename, texturename, filterfunc, swidth, twidth, n, tokens, values);
}

RtVoid RiMakeCubeFaceEnvironment(const char *px, const char *nx, const char *py, const char *ny, const char *pz,
                                 const char *nz, const char *texturename, RtFloat fov, RtFilterFunc filterfunc,
                                 RtFloat swidth, RtFloat twidth, ...) {
    QUILLET_PARAM_LIST(params, twidth);
    if (RenderContext *c = activeContext(__func__))
        c->MakeCubeFaceEnvironmentV(px, nx, py, ny, pz, nz, texturename, fov, filterfunc, swidth, twidth,
                                    params.count(), params.tokens(), params.values());
}

RtVoid RiMakeCubeFaceEnvironmentV(const char *px, const char *nx, const char *py, const char *ny, const char *pz,
                                  const char *nz, const char *texturename, RtFloat fov, RtFilterFunc filterfunc,
                                  RtFloat swidth, RtFloat twidth, RtInt n, RtToken tokens[], RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__))
        c->MakeCubeFaceEnvironmentV(px, nx, py, ny, pz, nz, texturename, fov, filterfunc, swidth, twidth, n, tokens,
                                    values);
}

RtVoid RiMakeShadow(const char *picturename, const char *texturename, ...) {
    QUILLET_PARAM_LIST(params, texturename);
    if (RenderContext *c = activeContext(__func__))
        c->MakeShadowV(picturename, texturename, params.count(), params.tokens(), params.values());
}

RtVoid RiMakeShadowV(const char *picturename, const char *texturename, RtInt n, RtToken tokens[], RtPointer values[]) {
    if (RenderContext *c = activeContext(__func__)) c->MakeShadowV(picturename, texturename, n, tokens, values);
}
