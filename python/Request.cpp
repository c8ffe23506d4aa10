// Requests made from Python (see Request.h).
#include "python/Request.h"

#include "python/RiObject.h"

namespace quillet {
namespace python {

namespace {

const char kNoStream[] = "%s called before Begin (no stream is current)";
const char kStreamChanged[] = "%s: the stream was ended or changed while the call's values were converted";

}  // namespace

unsigned long Ri::changes = 0;

Request::Request(Ri &ri, const char *name) : ri(ri), requestName(name), generation(ri.generation()) {
    if (ri.stream() == nullptr) raiseError(formatString(kNoStream, name), RIE_NOTSTARTED);
}

void Request::check() const {
    if (ri.generation() != generation || ri.stream() == nullptr) raiseError(formatString(kStreamChanged, requestName));
}

}  // namespace python
}  // namespace quillet
