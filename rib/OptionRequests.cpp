// Option and camera requests. Fixed numbers are "%g" text in both encodings;
// only parameter values follow the stream's encoding.
#include <cstring>

#include "format/FunctionNames.h"
#include "rib/GeometryWriting.h"
#include "rib/RequestText.h"
#include "rib/RibStream.h"
#include "rib/StreamOptions.h"

namespace quillet {

RtVoid RibStream::Format(RtInt xresolution, RtInt yresolution, RtFloat pixelaspectratio) {
    writef("Format %d %d %g\n", xresolution, yresolution, pixelaspectratio);
}

RtVoid RibStream::FrameAspectRatio(RtFloat ratio) {
    writef("FrameAspectRatio %g\n", ratio);
}

RtVoid RibStream::ScreenWindow(RtFloat left, RtFloat right, RtFloat bottom, RtFloat top) {
    writef("ScreenWindow %g %g %g %g\n", left, right, bottom, top);
}

RtVoid RibStream::CropWindow(RtFloat xmin, RtFloat xmax, RtFloat ymin, RtFloat ymax) {
    writef("CropWindow %g %g %g %g\n", xmin, xmax, ymin, ymax);
}

RtVoid RibStream::ProjectionV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {
    declareForStream(n, tokens);
    writeNamedParamRequest(*this, "Projection", name, 0, n, tokens, values);
}

RtVoid RibStream::Clipping(RtFloat hither, RtFloat yon) {
    writef("Clipping %g %g\n", hither, yon);
}

RtVoid RibStream::DepthOfField(RtFloat fstop, RtFloat focallength, RtFloat focaldistance) {
    writef("DepthOfField %g %g %g\n", fstop, focallength, focaldistance);
}

RtVoid RibStream::Shutter(RtFloat opentime, RtFloat closetime) {
    writef("Shutter %g %g\n", opentime, closetime);
}
RtVoid RibStream::PixelVariance(RtFloat variation) {
    writef("PixelVariance %g\n", variation);
}
RtVoid RibStream::PixelSamples(RtFloat xsamples, RtFloat ysamples) {
    writef("PixelSamples %g %g\n", xsamples, ysamples);
}

// The filter is named by address; any other function leaves the quotes empty.
RtVoid RibStream::PixelFilter(RtFilterFunc function, RtFloat xwidth, RtFloat ywidth) {
    writef("PixelFilter ");
    writeQuoted(filterName(function));
    writef(" %g %g\n", xwidth, ywidth);
}

RtVoid RibStream::Exposure(RtFloat gain, RtFloat gamma) {
    writef("Exposure %g %g\n", gain, gamma);
}

RtVoid RibStream::Quantize(RtToken type, RtInt one, RtInt min, RtInt max, RtFloat ditheramplitude) {
    writef("Quantize ");
    writeQuoted(type);
    writef(" %d %d %d %g\n", one, min, max, ditheramplitude);
}

RtVoid RibStream::DisplayV(const char *name, RtToken type, RtToken mode, RtInt n, RtToken tokens[],
                           RtPointer values[]) {
    declareForStream(n, tokens);
    writef("Display ");
    writeQuotedList({name, type, mode});
    writeCounted(*this, uncountedCounts(), n, tokens, values);
}

RtVoid RibStream::HiderV(RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) {
    declareForStream(n, tokens);
    writeNamedParamRequest(*this, "Hider", type, 0, n, tokens, values);
}

// The writer keeps every colour at three floats, so the request has no effect.
RtVoid RibStream::ColorSamples(RtInt, RtFloat[], RtFloat[]) {}

RtVoid RibStream::RelativeDetail(RtFloat relativedetail) {
    writef("RelativeDetail %g\n", relativedetail);
}

// The stream's own options ("rib") switch this writer's float encoding and
// never reach the stream; every other option is written.
RtVoid RibStream::OptionV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {
    declareForStream(n, tokens);
    if (!isRibOptionName(name)) {
        writeNamedParamRequest(*this, "Option", name, 0, n, tokens, values);
        return;
    }
    for (RtInt i = 0; tokens && values && i < n; ++i) {
        if (tokens[i] && values[i] && std::strcmp(tokens[i], "binary") == 0) {
            binaryEncoding = *static_cast<const RtInt *>(values[i]);
        }
    }
}

RtVoid RibStream::ClippingPlane(RtFloat x, RtFloat y, RtFloat z, RtFloat nx, RtFloat ny, RtFloat nz) {
    writef("ClippingPlane %g %g %g %g %g %g\n", x, y, z, nx, ny, nz);
}

RtVoid RibStream::CameraV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {
    declareForStream(n, tokens);
    writeNamedParamRequest(*this, "Camera", name, 0, n, tokens, values);
}

}  // namespace quillet
