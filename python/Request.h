// One request made from Python: the stream it is made on is checked when the
// call begins and again once its values are converted, since a conversion can
// run any Python code, which may end the stream or begin another.
#ifndef QUILLET_PYTHON_REQUEST_H
#define QUILLET_PYTHON_REQUEST_H

#include <type_traits>
#include <utility>

#include "python/Arguments.h"
#include "python/LibraryReports.h"

namespace quillet {
namespace python {

class Ri;

class Request {
public:
    // quillet.Error when ri has no stream.
    Request(Ri &ri, const char *name);

    // Makes the C call on the stream, after the check: quillet.Error when
    // the stream was ended or another one begun while the values were
    // converted, or when the library reports an error during the call.
    template <typename Call>
    auto write(Call &&call) -> decltype(call()) {
        check();
        ReportsOfCall reports;
        if constexpr (std::is_void<decltype(call())>::value) {
            call();
            reports.raise();
        } else {
            auto result = call();
            reports.raise();
            return result;
        }
    }

    const char *name() const { return requestName; }

private:
    void check() const;

    Ri &ri;
    const char *requestName;
    unsigned long generation;
};

}  // namespace python
}  // namespace quillet

#endif
