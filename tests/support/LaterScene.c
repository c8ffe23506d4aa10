#include "tests/support/LaterScene.h"

#include "quillet/ri.h"

void writeLaterScene(void) {
    RtBound bound = {-1, 1, -1, 1, -1, 1};
    RtInt grid[3] = {2, 1, 2};
    RtFloat density[4] = {0, 0.25f, 0.5f, 1};
    RtFloat intensity = 2;
    RtToken pass = "beauty", operation = "save", file = "a.rib", key = "key", tree = "tree";
    RtToken handleToken[1] = {"__handleid"};
    RtPointer treeValue[1] = {&tree};
    RtObjectHandle named, numbered;
    RtLightHandle keyLight, fill;
    RtArchiveHandle box;

    RiOption("user", "string pass", &pass, RI_NULL);
    RiFrameBegin(1);
    RiCamera("main", RI_NULL);
    RiClippingPlane(0, 0, 1, 0, 0, -1);
    RiWorldBegin();
    box = RiArchiveBegin("box", RI_NULL);
    RiSphere(1, -1, 1, 360, RI_NULL);
    RiArchiveEnd();
    named = RiObjectBeginV(1, handleToken, treeValue);
    RiSphere(0.5f, -0.5f, 0.5f, 360, RI_NULL);
    RiObjectEnd();
    numbered = RiObjectBegin();
    RiObjectEnd();
    keyLight = RiLightSource("pointlight", "float intensity", &intensity, "__handleid", &key, RI_NULL);
    fill = RiAreaLightSource("arealight", RI_NULL);
    RiIlluminate(keyLight, 1);
    RiIlluminate(fill, 0);
    RiIfBegin("$user:pass == 'beauty'");
    RiReadArchive((RtToken)box, 0, RI_NULL);
    RiElseIf("$user:pass == 'shadow'");
    RiObjectInstance(numbered);
    RiElse();
    RiObjectInstance(named);
    RiIfEnd();
    RiResourceBegin();
    RiResource("r", "attributes", "string operation", &operation, RI_NULL);
    RiResourceEnd();
    RiScopedCoordinateSystem("lamp");
    RiSystem("echo \"done\"");
    RiVolume("box", bound, grid, "varying float density", density, RI_NULL);
    RiProcedural2(RiProc2DelayedReadArchive, RiSimpleBound, "string filename", &file, "float[6] bound", bound, RI_NULL);
    RiProcedural2(RiProc2DynamicLoad, RiDelayedBound, RI_NULL);
    RiWorldEnd();
    RiFrameEnd();
}
