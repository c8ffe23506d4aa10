#include "app/Lathe.h"

const ProfilePoint LatheProfile[kLatheProfileCount] = {
    {1.5f, 0.0f},       {1.46f, 0.09f},     {1.35f, 0.1273f},   {1.2625f, 0.1203f},
    {1.175f, 0.1047f},  {1.0875f, 0.0935f}, {1.0f, 0.0899f},    {0.9375f, 0.0982f},
    {0.8625f, 0.1236f}, {0.725f, 0.1851f},  {0.5875f, 0.2281f}, {0.45f, 0.2383f},
    {0.3375f, 0.2255f}, {0.225f, 0.1953f},  {0.075f, 0.1414f},  {0.0f, 0.1125f},
};

namespace {

const RtFloat kFullTurn = 360;

// The profile lies in the xz plane: x is the radius, z the height.
void toPoint(const ProfilePoint &profilePoint, RtPoint point) {
    point[0] = profilePoint.radius;
    point[1] = 0;
    point[2] = profilePoint.height;
}

void capIfOpen(const ProfilePoint &end) {
    if (end.radius != 0) {
        RiDisk(end.height, end.radius, kFullTurn, RI_NULL);
    }
}

}  // namespace

void LatheBands(const ProfilePoint *profile, int count) {
    for (int i = 1; i < count; ++i) {
        RtPoint top;
        RtPoint bottom;
        toPoint(profile[i - 1], top);
        toPoint(profile[i], bottom);
        RiHyperboloid(top, bottom, kFullTurn, RI_NULL);
    }
}

void LatheSolid(const ProfilePoint *profile, int count) {
    RiSolidBegin(RI_PRIMITIVE);
    LatheBands(profile, count);
    capIfOpen(profile[0]);
    capIfOpen(profile[count - 1]);
    RiSolidEnd();
}

void describeLatheScene() {
    RtColor color = {0.9f, 0.9f, 0.5f};

    RiProjection(RI_PERSPECTIVE, RI_NULL);
    RiLightSource("distantlight", RI_NULL);
    RiTranslate(0, -0.7f, 1.2f);
    RiWorldBegin();
    RiRotate(90, -1, 0, 0);
    RiSurface("constant", RI_NULL);
    RiColor(color);
    LatheSolid(LatheProfile, kLatheProfileCount);
    RiWorldEnd();
}
