#include "tools/glimpse/Frame.h"

namespace quillet {
namespace glimpse {

void Camera::window(double out[4]) const {
    if (screenWindowSet) {
        for (int i = 0; i < 4; ++i) out[i] = screen[i];
        return;
    }
    double aspect = frameAspect > 0 ? frameAspect : width * pixelAspect / (height > 0 ? height : 1);
    if (aspect >= 1) {
        out[0] = -aspect;
        out[1] = aspect;
        out[2] = -1;
        out[3] = 1;
    } else {
        out[0] = -1;
        out[1] = 1;
        out[2] = -1 / aspect;
        out[3] = 1 / aspect;
    }
}

}  // namespace glimpse
}  // namespace quillet
