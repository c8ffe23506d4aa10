// Placeholder: these requests write nothing until their writers land.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "rib/RibWriter.h"

RtVoid RibWriter::FrameBegin(RtInt frame) {}
RtVoid RibWriter::FrameEnd() {}
RtVoid RibWriter::WorldBegin() {}
RtVoid RibWriter::WorldEnd() {}
RtVoid RibWriter::AttributeBegin() {}
RtVoid RibWriter::AttributeEnd() {}
RtVoid RibWriter::TransformBegin() {}
RtVoid RibWriter::TransformEnd() {}
RtVoid RibWriter::SolidBegin(RtToken operation) {}
RtVoid RibWriter::SolidEnd() {}
RtObjectHandle RibWriter::ObjectBegin() { return nullptr; }
RtVoid RibWriter::ObjectEnd() {}
RtVoid RibWriter::ObjectInstance(RtObjectHandle handle) {}
RtVoid RibWriter::MotionBegin(RtInt n, ...) {}
RtVoid RibWriter::MotionBeginV(RtInt n, RtFloat times[]) {}
RtVoid RibWriter::MotionEnd() {}
RtVoid RibWriter::ErrorHandler(RtErrorHandler handler) {}
RtVoid RibWriter::ArchiveRecord(RtToken type, const char *format, ...) {}
RtVoid RibWriter::VArchiveRecord(RtToken type, const char *format, va_list args) {}
RtVoid RibWriter::ReadArchive(RtToken name, RtArchiveCallback callback, ...) {}
RtVoid RibWriter::ReadArchiveV(RtToken name, RtArchiveCallback callback, RtInt n, RtToken tokens[], RtPointer values[]) {}
