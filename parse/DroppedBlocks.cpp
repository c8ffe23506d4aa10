#include "parse/DroppedBlocks.h"

namespace quillet {

namespace {

struct BlockPair {
    Request begin, end;
};

const BlockPair kBlocks[] = {
    {Request::FrameBegin, Request::FrameEnd},         {Request::WorldBegin, Request::WorldEnd},
    {Request::AttributeBegin, Request::AttributeEnd}, {Request::TransformBegin, Request::TransformEnd},
    {Request::SolidBegin, Request::SolidEnd},         {Request::ObjectBegin, Request::ObjectEnd},
    {Request::MotionBegin, Request::MotionEnd},       {Request::ArchiveBegin, Request::ArchiveEnd},
    {Request::ResourceBegin, Request::ResourceEnd},   {Request::IfBegin, Request::IfEnd},
};

}  // namespace

bool DroppedBlocks::mayClose(Request request) {
    for (size_t i = open.size(); i-- > 0;) {
        if (open[i].end != request) continue;
        bool dropped = open[i].dropped;
        open.resize(i);
        return !dropped;
    }
    return true;
}

void DroppedBlocks::begun(Request request, bool passed) {
    for (const BlockPair &pair : kBlocks)
        if (pair.begin == request) open.push_back({pair.end, !passed});
}

}  // namespace quillet
