// Entry points of camera, display and renderer options.
#include "ri/CurrentContext.h"
#include "ri/ListEntries.h"
#include "ri/ParamList.h"

using quillet::activeContext;
using quillet::applyStreamDefaults;
using quillet::RenderContext;

namespace {

// "rib"/"RIB" options set stream defaults and need no context; every other
// name goes to the current context.
void forwardOption(const char *entryName, RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {
    if (applyStreamDefaults(name, n, tokens, values)) return;
    if (RenderContext *c = activeContext(entryName)) c->OptionV(name, n, tokens, values);
}

}  // namespace

RtVoid RiFormat(RtInt xresolution, RtInt yresolution, RtFloat pixelaspectratio) {
    if (RenderContext *c = activeContext(__func__)) c->Format(xresolution, yresolution, pixelaspectratio);
}

RtVoid RiFrameAspectRatio(RtFloat ratio) {
    if (RenderContext *c = activeContext(__func__)) c->FrameAspectRatio(ratio);
}

RtVoid RiScreenWindow(RtFloat left, RtFloat right, RtFloat bottom, RtFloat top) {
    if (RenderContext *c = activeContext(__func__)) c->ScreenWindow(left, right, bottom, top);
}

RtVoid RiCropWindow(RtFloat xmin, RtFloat xmax, RtFloat ymin, RtFloat ymax) {
    if (RenderContext *c = activeContext(__func__)) c->CropWindow(xmin, xmax, ymin, ymax);
}

QUILLET_NAMED_LIST_ENTRIES(Projection, name)

RtVoid RiClipping(RtFloat hither, RtFloat yon) {
    if (RenderContext *c = activeContext(__func__)) c->Clipping(hither, yon);
}

RtVoid RiDepthOfField(RtFloat fstop, RtFloat focallength, RtFloat focaldistance) {
    if (RenderContext *c = activeContext(__func__)) c->DepthOfField(fstop, focallength, focaldistance);
}

RtVoid RiShutter(RtFloat opentime, RtFloat closetime) {
    if (RenderContext *c = activeContext(__func__)) c->Shutter(opentime, closetime);
}

RtVoid RiPixelVariance(RtFloat variation) {
    if (RenderContext *c = activeContext(__func__)) c->PixelVariance(variation);
}

RtVoid RiPixelSamples(RtFloat xsamples, RtFloat ysamples) {
    if (RenderContext *c = activeContext(__func__)) c->PixelSamples(xsamples, ysamples);
}

RtVoid RiPixelFilter(RtFilterFunc function, RtFloat xwidth, RtFloat ywidth) {
    if (RenderContext *c = activeContext(__func__)) c->PixelFilter(function, xwidth, ywidth);
}

RtVoid RiExposure(RtFloat gain, RtFloat gamma) {
    if (RenderContext *c = activeContext(__func__)) c->Exposure(gain, gamma);
}

RtVoid RiQuantize(RtToken type, RtInt one, RtInt min, RtInt max, RtFloat ditheramplitude) {
    if (RenderContext *c = activeContext(__func__)) c->Quantize(type, one, min, max, ditheramplitude);
}

QUILLET_LIST_ENTRIES(Display, (const char *name, RtToken type, RtToken mode), (name, type, mode), mode)

QUILLET_NAMED_LIST_ENTRIES(Hider, type)

RtVoid RiColorSamples(RtInt n, RtFloat nRGB[], RtFloat RGBn[]) {
    if (RenderContext *c = activeContext(__func__)) c->ColorSamples(n, nRGB, RGBn);
}

RtVoid RiRelativeDetail(RtFloat relativedetail) {
    if (RenderContext *c = activeContext(__func__)) c->RelativeDetail(relativedetail);
}

RtVoid RiOption(RtToken name, ...) {
    // Collected before the name test: stream options work without a context.
    QUILLET_PARAM_LIST(params, name);
    forwardOption(__func__, name, params.count(), params.tokens(), params.values());
}

RtVoid RiOptionV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {
    forwardOption(__func__, name, n, tokens, values);
}

RtVoid RiClippingPlane(RtFloat x, RtFloat y, RtFloat z, RtFloat nx, RtFloat ny, RtFloat nz) {
    if (RenderContext *c = activeContext(__func__)) c->ClippingPlane(x, y, z, nx, ny, nz);
}

QUILLET_NAMED_LIST_ENTRIES(Camera, name)
