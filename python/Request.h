// One request made from Python: the stream it is made on is checked when the
// call begins and again once its values are converted, since a conversion can
// run any Python code, which may end the stream or begin another.
#ifndef QUILLET_PYTHON_REQUEST_H
#define QUILLET_PYTHON_REQUEST_H

#include <cstddef>
#include <optional>
#include <type_traits>

#include "python/Arguments.h"
#include "python/LibraryReports.h"
#include "python/StreamHold.h"

namespace quillet {
namespace python {

class Ri;

class Request {
public:
    // quillet.Error when ri has no stream, or its stream has ended.
    Request(Ri &ri, const char *name);
    ~Request();
    Request(const Request &) = delete;
    Request &operator=(const Request &) = delete;

    // The request being made on the calling thread: the innermost one when
    // Python code run by a conversion makes another. Null outside any.
    static const Request *innermost();

    // Makes the C call on the object's stream, after the check: quillet.Error
    // when the stream was ended or another one begun while the values were
    // converted, or when the library reports an error during the call. A
    // call with many values is written without the interpreter lock, so
    // that threads writing other streams run meanwhile.
    template <typename Call>
    auto write(Call &&call) -> decltype(call()) {
        check();
        ReportsOfCall reports;
        if constexpr (std::is_void<decltype(call())>::value) {
            callHolding(call);
            reports.raise();
        } else {
            auto result = callHolding(call);
            reports.raise();
            return result;
        }
    }

    const char *name() const { return requestName; }
    RtContextHandle stream() const { return target.handle(); }
    const StreamRef &streamRef() const { return target; }

private:
    // Releasing and taking back the interpreter lock costs about as much as
    // writing a few hundred values; below this many it is kept.
    static constexpr size_t kElementsWorthReleasing = 4096;

    // The stream is let go before the reports are raised: raising a
    // warning can run Python code, which may make requests on it.
    template <typename Call>
    auto callHolding(Call &call) -> decltype(call()) {
        StreamHold hold(target, requestName);
        std::optional<py::gil_scoped_release> released;
        if (convertedElements() - elementsBefore >= kElementsWorthReleasing) released.emplace();
        return call();
    }

    void check() const;

    Ri &ri;
    const char *requestName;
    unsigned long generation;
    StreamRef target;
    size_t elementsBefore;
    const Request *outer;
};

}  // namespace python
}  // namespace quillet

#endif
