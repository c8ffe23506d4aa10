// The requests of the later interface versions in the previewer. Named
// objects are defined and placed as numbered ones are; the rest is counted
// as skipped.
#include "tools/glimpse/PreviewContext.h"

namespace quillet {
namespace glimpse {

RtObjectHandle PreviewContext::ObjectBeginV(RtInt, RtToken[], RtPointer[]) {
    return ObjectBegin();
}

RtArchiveHandle PreviewContext::ArchiveBeginV(RtToken name, RtInt, RtToken[], RtPointer[]) {
    skip("ArchiveBegin");
    return const_cast<char *>(name);
}
RtVoid PreviewContext::ArchiveEnd() {}
RtVoid PreviewContext::IfBegin(RtString) {
    skip("IfBegin");
}
RtVoid PreviewContext::ElseIf(RtString) {
    skip("ElseIf");
}
RtVoid PreviewContext::Else() {
    skip("Else");
}
RtVoid PreviewContext::IfEnd() {}
RtVoid PreviewContext::ResourceV(RtToken, RtToken, RtInt, RtToken[], RtPointer[]) {
    skip("Resource");
}
RtVoid PreviewContext::ResourceBegin() {
    skip("ResourceBegin");
}
RtVoid PreviewContext::ResourceEnd() {}
RtVoid PreviewContext::ClippingPlane(RtFloat, RtFloat, RtFloat, RtFloat, RtFloat, RtFloat) {
    skip("ClippingPlane");
}
RtVoid PreviewContext::CameraV(RtToken, RtInt, RtToken[], RtPointer[]) {
    skip("Camera");
}
RtVoid PreviewContext::ScopedCoordinateSystem(RtToken) {
    skip("ScopedCoordinateSystem");
}
RtVoid PreviewContext::System(RtString) {
    skip("System");
}
RtVoid PreviewContext::VolumeV(RtToken, RtBound, RtInt[3], RtInt, RtToken[], RtPointer[]) {
    skip("Volume");
}
RtVoid PreviewContext::Procedural2V(RtProc2SubdivFunc, RtProc2BoundFunc, RtInt, RtToken[], RtPointer[]) {
    skip("Procedural2");
}
RtVoid PreviewContext::Version(RtFloat) {}
RtVoid PreviewContext::UnknownRequestV(RtToken name, RtInt, const RequestValue[], RtInt, RtToken[],
                                       const RequestValue[]) {
    skip(name);
}

}  // namespace glimpse
}  // namespace quillet
