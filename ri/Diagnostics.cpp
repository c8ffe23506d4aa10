// The diagnostics choke point and the host's error function.
#include "ri/Diagnostics.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>

#include "quillet/ErrorFunction.h"

namespace quillet {

namespace {

// Held while a report is delivered, so that reports from several threads
// arrive one at a time. Recursive: a host function may call the library,
// which may report again. Never destroyed: reports can come during exit.
std::recursive_mutex &reportLock() {
    static auto *lock = new std::recursive_mutex;
    return *lock;
}

ErrorFunction &hostFunction() {
    static auto *function = new ErrorFunction;
    return *function;
}

std::atomic<bool> hostInstalled{false};

// The message that a host receives for a printed report: the text between
// its leading and trailing newlines.
std::string withoutNewlines(const char *printed) {
    const char *begin = printed;
    const char *end = printed + std::strlen(printed);
    while (begin < end && *begin == '\n') ++begin;
    while (end > begin && end[-1] == '\n') --end;
    return std::string(begin, end);
}

// A copy is called, so that the function may replace itself.
void deliver(RtInt code, RtInt severity, const char *message) {
    RiLastError = code;
    const ErrorFunction function = hostFunction();
    function(code, severity, message);
}

}  // namespace

bool hostTakesErrors() {
    return hostInstalled.load(std::memory_order_acquire);
}

void setErrorFunction(ErrorFunction function) {
    std::lock_guard<std::recursive_mutex> hold(reportLock());
    hostInstalled.store(static_cast<bool>(function), std::memory_order_release);
    hostFunction() = std::move(function);
}

void reportError(RtInt code, RtInt severity, const char *message) {
    std::lock_guard<std::recursive_mutex> hold(reportLock());
    if (hostFunction())
        deliver(code, severity, message);
    else
        RiErrorPrint(code, severity, message);
}

void reportText(RtInt code, RtInt severity, const char *printed, const char *message, int exitStatus) {
    std::lock_guard<std::recursive_mutex> hold(reportLock());
    if (hostFunction()) {
        deliver(code, severity, message ? message : withoutNewlines(printed).c_str());
        return;
    }
    std::fputs(printed, stderr);
    if (exitStatus != 0) std::exit(exitStatus);
}

}  // namespace quillet

RtVoid QuilletSetErrorFunc(QuilletErrorFunc func, void *user) {
    if (func)
        quillet::setErrorFunction(
            [func, user](RtInt code, RtInt severity, const char *message) { func(user, code, severity, message); });
    else
        quillet::setErrorFunction(nullptr);
}
