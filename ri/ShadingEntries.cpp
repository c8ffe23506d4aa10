// Entry points of attributes, shaders and lights.
#include "ri/CurrentContext.h"
#include "ri/ListEntries.h"
#include "ri/ParamList.h"

using quillet::activeContext;
using quillet::RenderContext;

RtVoid RiColor(RtColor color) {
    if (RenderContext *c = activeContext(__func__)) c->Color(color);
}

RtVoid RiOpacity(RtColor color) {
    if (RenderContext *c = activeContext(__func__)) c->Opacity(color);
}

RtVoid RiTextureCoordinates(RtFloat s1, RtFloat t1, RtFloat s2, RtFloat t2, RtFloat s3, RtFloat t3, RtFloat s4,
                            RtFloat t4) {
    if (RenderContext *c = activeContext(__func__)) c->TextureCoordinates(s1, t1, s2, t2, s3, t3, s4, t4);
}

RtVoid RiShadingRate(RtFloat size) {
    if (RenderContext *c = activeContext(__func__)) c->ShadingRate(size);
}

RtVoid RiShadingInterpolation(RtToken type) {
    if (RenderContext *c = activeContext(__func__)) c->ShadingInterpolation(type);
}

RtVoid RiMatte(RtBoolean onoff) {
    if (RenderContext *c = activeContext(__func__)) c->Matte(onoff);
}

RtVoid RiBound(RtBound bound) {
    if (RenderContext *c = activeContext(__func__)) c->Bound(bound);
}

RtVoid RiDetail(RtBound bound) {
    if (RenderContext *c = activeContext(__func__)) c->Detail(bound);
}

RtVoid RiDetailRange(RtFloat minvisible, RtFloat lowertransition, RtFloat uppertransition, RtFloat maxvisible) {
    if (RenderContext *c = activeContext(__func__))
        c->DetailRange(minvisible, lowertransition, uppertransition, maxvisible);
}

RtVoid RiGeometricApproximation(RtToken type, RtFloat value) {
    if (RenderContext *c = activeContext(__func__)) c->GeometricApproximation(type, value);
}

RtVoid RiGeometricRepresentation(RtToken type) {
    if (RenderContext *c = activeContext(__func__)) c->GeometricRepresentation(type);
}

RtVoid RiSides(RtInt sides) {
    if (RenderContext *c = activeContext(__func__)) c->Sides(sides);
}

RtVoid RiOrientation(RtToken orientation) {
    if (RenderContext *c = activeContext(__func__)) c->Orientation(orientation);
}

RtVoid RiReverseOrientation(void) {
    if (RenderContext *c = activeContext(__func__)) c->ReverseOrientation();
}

QUILLET_NAMED_LIST_ENTRIES(Attribute, name)
QUILLET_NAMED_LIST_ENTRIES(Surface, name)
QUILLET_NAMED_LIST_ENTRIES(Displacement, name)
QUILLET_NAMED_LIST_ENTRIES(Atmosphere, name)
QUILLET_NAMED_LIST_ENTRIES(Interior, name)
QUILLET_NAMED_LIST_ENTRIES(Exterior, name)
QUILLET_NAMED_LIST_ENTRIES(Imager, name)

// The light entry points return a handle; their not-started report carries no message.
RtLightHandle RiLightSource(RtToken name, ...) {
    RenderContext *c = activeContext(nullptr);
    if (!c) return nullptr;
    QUILLET_PARAM_LIST(params, name);
    return c->LightSourceV(name, params.count(), params.tokens(), params.values());
}

RtLightHandle RiLightSourceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {
    RenderContext *c = activeContext(nullptr);
    return c ? c->LightSourceV(name, n, tokens, values) : nullptr;
}

RtLightHandle RiAreaLightSource(RtToken name, ...) {
    RenderContext *c = activeContext(nullptr);
    if (!c) return nullptr;
    QUILLET_PARAM_LIST(params, name);
    return c->AreaLightSourceV(name, params.count(), params.tokens(), params.values());
}

RtLightHandle RiAreaLightSourceV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {
    RenderContext *c = activeContext(nullptr);
    return c ? c->AreaLightSourceV(name, n, tokens, values) : nullptr;
}

RtVoid RiIlluminate(RtLightHandle light, RtBoolean onoff) {
    if (RenderContext *c = activeContext(__func__)) c->Illuminate(light, onoff);
}
