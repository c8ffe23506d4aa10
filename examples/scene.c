/* A small scene written with the C API: a red sphere under a distant light,
 * as a RIB stream on the standard output. */
#include <ri.h>

int main(void) {
    RtFloat fov = 40;
    RtFloat intensity = 1.5f;
    RtPoint from = {0, 0, 0};
    RtPoint to = {0, 1, 1};
    RtColor red = {0.8f, 0.2f, 0.1f};
    RtFloat roughness = 0.2f;

    RiBegin(RI_NULL);
    RiFormat(320, 240, 1);
    RiProjection(RI_PERSPECTIVE, RI_FOV, &fov, RI_NULL);
    RiTranslate(0, 0, 5);
    RiWorldBegin();
    RiLightSource(RI_DISTANTLIGHT, RI_INTENSITY, &intensity, RI_FROM, from, RI_TO, to, RI_NULL);
    RiAttributeBegin();
    RiColor(red);
    RiSurface(RI_PLASTIC, RI_ROUGHNESS, &roughness, RI_NULL);
    RiSphere(1, -1, 1, 360, RI_NULL);
    RiAttributeEnd();
    RiWorldEnd();
    RiEnd();
    return 0;
}
