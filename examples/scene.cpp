// A small scene written partly through the C++ interface: the current context
// is a RenderContext, and token/value lists are passed as arrays. It names
// the class unqualified, as programs written before namespace quillet do,
// through the opt-in <quillet/GlobalNames.h>.
#include <ri.h>
#include <quillet/GlobalNames.h>

int main() {
    RiBegin(RI_NULL);
    auto *context = static_cast<RenderContext *>(RiGetContext());

    RtFloat fov = 30;
    RtToken cameraTokens[] = {RI_FOV};
    RtPointer cameraValues[] = {&fov};
    context->ProjectionV(RI_PERSPECTIVE, 1, cameraTokens, cameraValues);
    context->Translate(0, -0.5f, 4);

    context->WorldBegin();
    RtPoint square[4] = {{-1, 0, -1}, {1, 0, -1}, {1, 0, 1}, {-1, 0, 1}};
    RtColor corners[4] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}, {1, 1, 1}};
    RtToken squareTokens[] = {RI_P, RI_CS};
    RtPointer squareValues[] = {square, corners};
    context->PolygonV(4, 2, squareTokens, squareValues);

    RtToken spin = RiDeclare("spin", "uniform float");
    RtFloat turns = 0.25f;
    RtToken cylinderTokens[] = {spin};
    RtPointer cylinderValues[] = {&turns};
    context->CylinderV(0.5f, 0, 1, 270, 1, cylinderTokens, cylinderValues);
    context->WorldEnd();

    RiEnd();
    return 0;
}
