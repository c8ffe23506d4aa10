// Requests made from Python (see Request.h).
#include "python/Request.h"

#include "python/RiObject.h"

namespace quillet {
namespace python {

namespace {

const char kNoStream[] = "%s called before Begin (no stream is current)";
const char kEnded[] = "%s: this object's stream has ended";
const char kStreamChanged[] = "%s: the stream was ended or changed while the call's values were converted";

thread_local const Request *innermostRequest = nullptr;

}  // namespace

Request::Request(Ri &ri, const char *name)
    : ri(ri), requestName(name), generation(ri.generation()), target(ri.stream()), elementsBefore(convertedElements()) {
    if (target.handle() == nullptr) raiseError(formatString(kNoStream, name), RIE_NOTSTARTED);
    if (target.ended()) raiseError(formatString(kEnded, name), RIE_NOTSTARTED);
    outer = innermostRequest;
    innermostRequest = this;
}

Request::~Request() {
    innermostRequest = outer;
}

const Request *Request::innermost() {
    return innermostRequest;
}

// Whether the stream is still live is checked once it is held.
void Request::check() const {
    if (ri.generation() != generation || ri.streamHandle() != target.handle())
        raiseError(formatString(kStreamChanged, requestName));
}

}  // namespace python
}  // namespace quillet
