// The blocks that the stream has opened, and which of their Begin requests
// were dropped (unreadable, or refused by their checks), so that the End of
// a dropped Begin is dropped as well: no End ever goes to the target
// without its Begin.
#ifndef QUILLET_PARSE_DROPPEDBLOCKS_H
#define QUILLET_PARSE_DROPPEDBLOCKS_H

#include <vector>

#include "parse/RequestShapes.h"

namespace quillet {

class DroppedBlocks {
public:
    // Before an End goes on: false when its Begin was dropped. Closes the
    // innermost open block of its kind (and any opened inside it).
    bool mayClose(Request request);
    // A Begin passed on or dropped; any other request changes nothing.
    void begun(Request request, bool passed);

private:
    struct Open {
        Request end;
        bool dropped;
    };
    std::vector<Open> open;
};

}  // namespace quillet

#endif
