// Placeholder: these requests write nothing until their writers land.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "rib/RibWriter.h"

RtVoid RibWriter::Format(RtInt xresolution, RtInt yresolution, RtFloat pixelaspectratio) {}
RtVoid RibWriter::FrameAspectRatio(RtFloat ratio) {}
RtVoid RibWriter::ScreenWindow(RtFloat left, RtFloat right, RtFloat bottom, RtFloat top) {}
RtVoid RibWriter::CropWindow(RtFloat xmin, RtFloat xmax, RtFloat ymin, RtFloat ymax) {}
RtVoid RibWriter::Projection(RtToken name, ...) {}
RtVoid RibWriter::ProjectionV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Clipping(RtFloat hither, RtFloat yon) {}
RtVoid RibWriter::DepthOfField(RtFloat fstop, RtFloat focallength, RtFloat focaldistance) {}
RtVoid RibWriter::Shutter(RtFloat opentime, RtFloat closetime) {}
RtVoid RibWriter::PixelVariance(RtFloat variation) {}
RtVoid RibWriter::PixelSamples(RtFloat xsamples, RtFloat ysamples) {}
RtVoid RibWriter::PixelFilter(RtFilterFunc function, RtFloat xwidth, RtFloat ywidth) {}
RtVoid RibWriter::Exposure(RtFloat gain, RtFloat gamma) {}
RtVoid RibWriter::Quantize(RtToken type, RtInt one, RtInt min, RtInt max, RtFloat ditheramplitude) {}
RtVoid RibWriter::Display(const char *name, RtToken type, RtToken mode, ...) {}
RtVoid RibWriter::DisplayV(const char *name, RtToken type, RtToken mode, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::Hider(RtToken type, ...) {}
RtVoid RibWriter::HiderV(RtToken type, RtInt n, RtToken tokens[], RtPointer values[]) {}
RtVoid RibWriter::ColorSamples(RtInt n, RtFloat nRGB[], RtFloat RGBn[]) {}
RtVoid RibWriter::RelativeDetail(RtFloat relativedetail) {}
RtVoid RibWriter::Option(RtToken name, ...) {}
RtVoid RibWriter::OptionV(RtToken name, RtInt n, RtToken tokens[], RtPointer values[]) {}
