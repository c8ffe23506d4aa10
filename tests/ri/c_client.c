/* A C99 client of the library: writes a small scene to the file named on
 * its command line, passing string literals to the entry points. */
#include <stdio.h>

#include "quillet/ri.h"

int main(int argc, char **argv) {
    RtColor red = {1, 0, 0};
    RtFloat kd = 0.5f;
    RtFloat intensity = 2;
    RtLightHandle light;

    if (argc != 2) {
        fprintf(stderr, "usage: c_client file\n");
        return 2;
    }
    RiBegin(argv[1]);
    RiDeclare("roughness2", "uniform float");
    RiMakeTexture("wood.tif", "wood.tx", "periodic", "clamp", RiBoxFilter, 1, 1, RI_NULL);
    RiMakeShadow("depth.z", "depth.shd", RI_NULL);
    RiWorldBegin();
    light = RiLightSource("distantlight", "intensity", &intensity, RI_NULL);
    RiAttributeBegin();
    RiColor(red);
    RiSurface("plastic", "Kd", &kd, RI_NULL);
    RiTranslate(0, 0, 5);
    RiSphere(1, -1, 1, 360, RI_NULL);
    RiAttributeEnd();
    RiIlluminate(light, 0);
    RiWorldEnd();
    RiEnd();
    return 0;
}
