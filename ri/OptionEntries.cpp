// Entry points of camera, display and renderer options.
#include "ri/CurrentContext.h"
#include "ri/EntryPoints.h"
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

QUILLET_ENTRY(Format, (RtInt xresolution, RtInt yresolution, RtFloat pixelaspectratio),
              (xresolution, yresolution, pixelaspectratio))

QUILLET_ENTRY(FrameAspectRatio, (RtFloat ratio), (ratio))

QUILLET_ENTRY(ScreenWindow, (RtFloat left, RtFloat right, RtFloat bottom, RtFloat top), (left, right, bottom, top))

QUILLET_ENTRY(CropWindow, (RtFloat xmin, RtFloat xmax, RtFloat ymin, RtFloat ymax), (xmin, xmax, ymin, ymax))

QUILLET_NAMED_LIST_ENTRIES(Projection, name)

QUILLET_ENTRY(Clipping, (RtFloat hither, RtFloat yon), (hither, yon))

QUILLET_ENTRY(DepthOfField, (RtFloat fstop, RtFloat focallength, RtFloat focaldistance),
              (fstop, focallength, focaldistance))

QUILLET_ENTRY(Shutter, (RtFloat opentime, RtFloat closetime), (opentime, closetime))

QUILLET_ENTRY(PixelVariance, (RtFloat variation), (variation))

QUILLET_ENTRY(PixelSamples, (RtFloat xsamples, RtFloat ysamples), (xsamples, ysamples))

QUILLET_ENTRY(PixelFilter, (RtFilterFunc function, RtFloat xwidth, RtFloat ywidth), (function, xwidth, ywidth))

QUILLET_ENTRY(Exposure, (RtFloat gain, RtFloat gamma), (gain, gamma))

QUILLET_ENTRY(Quantize, (RtToken type, RtInt one, RtInt min, RtInt max, RtFloat ditheramplitude),
              (type, one, min, max, ditheramplitude))

QUILLET_LIST_ENTRIES(Display, (const char *name, RtToken type, RtToken mode), (name, type, mode), mode)

QUILLET_NAMED_LIST_ENTRIES(Hider, type)

QUILLET_ENTRY(ColorSamples, (RtInt n, RtFloat nRGB[], RtFloat RGBn[]), (n, nRGB, RGBn))

QUILLET_ENTRY(RelativeDetail, (RtFloat relativedetail), (relativedetail))

RtVoid RiOption(RtToken name, ...) {
    // Collected before the name test: stream options work without a context.
    QUILLET_PARAM_LIST(params, name);
    forwardOption(__func__, name, params.count(), params.tokens(), params.values());
}

RtVoid RiOptionV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {
    forwardOption(__func__, name, n, tokens, values);
}

QUILLET_ENTRY(ClippingPlane, (RtFloat x, RtFloat y, RtFloat z, RtFloat nx, RtFloat ny, RtFloat nz),
              (x, y, z, nx, ny, nz))

QUILLET_NAMED_LIST_ENTRIES(Camera, name)
