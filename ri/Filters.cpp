// The standard pixel and texture filters. Inputs and constants are floats;
// intermediate values are carried in long double.
#include <cmath>

#include "quillet/ri.h"

namespace {

const long double kLog2E = 1.442695040888963407359924681001892137L;
const RtFloat kPi = 3.1415927f;
const RtFloat kSincCentre = 0.0001f;

}  // namespace

RtFloat RiGaussianFilter(RtFloat x, RtFloat y, RtFloat xwidth, RtFloat ywidth) {
    long double u = x / (xwidth * 0.5L);
    long double v = y / (ywidth * 0.5L);
    // exp(-2 (u^2 + v^2)) as a power of two.
    return static_cast<RtFloat>(std::exp2((u * u + v * v) * -2.0L * kLog2E));
}

RtFloat RiBoxFilter(RtFloat x, RtFloat y, RtFloat xwidth, RtFloat ywidth) {
    bool inside = std::fabs(static_cast<long double>(x)) < xwidth * 0.5L &&
                  std::fabs(static_cast<long double>(y)) < ywidth * 0.5L;
    return inside ? 1.0f : 0.0f;
}

RtFloat RiTriangleFilter(RtFloat x, RtFloat y, RtFloat xwidth, RtFloat ywidth) {
    long double a = 1.0L - std::fabs(static_cast<long double>(x)) / (xwidth * 0.5L);
    RtFloat b = static_cast<RtFloat>(1.0L - std::fabs(static_cast<long double>(y)) / (ywidth * 0.5L));
    long double smaller = a < b ? a : b;
    return static_cast<RtFloat>(smaller > 0.0L ? smaller : 0.0L);
}

RtFloat RiCatmullRomFilter(RtFloat x, RtFloat y, RtFloat, RtFloat) {
    long double r2 = static_cast<long double>(x) * x + static_cast<long double>(y) * y;
    if (r2 > 4.0L) return 0.0f;
    long double r = std::sqrt(r2);
    if (r < 1.0L) return static_cast<RtFloat>(r2 * (3.0L * r - 5.0L) + 2.0L);
    return static_cast<RtFloat>(r2 * (5.0L - r) - 8.0L * r + 4.0L);
}

RtFloat RiSincFilter(RtFloat x, RtFloat y, RtFloat, RtFloat) {
    RtFloat r = static_cast<RtFloat>(std::sqrt(static_cast<long double>(x) * x + static_cast<long double>(y) * y));
    if (r > 2.0f) return 0.0f;
    if (r < kSincCentre) return 1.0f;
    long double t = static_cast<long double>(r) * kPi;
    return static_cast<RtFloat>(std::sin(t) / t);
}
