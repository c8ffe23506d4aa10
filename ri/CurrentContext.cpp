// The current context and the entry points that manage it.
//
// Each thread has its own current context once it calls RiBegin or
// RiContext; a thread that never has follows the process's, which every
// RiBegin and RiContext also set. A single thread therefore sees one current
// context, threads that share one stream under the program's own lock all
// reach it, and threads that each begin a stream write it alone.
#include "ri/CurrentContext.h"

#include <atomic>
#include <mutex>
#include <unordered_set>

#include "ri/Diagnostics.h"

using quillet::RenderContext;

namespace {

const char *const kEndWithoutContext = "RiEnd called at inappropriate level";
const char *const kContextEntry = "RiContext";

// The context of every thread that has not chosen its own.
std::atomic<RenderContext *> processCurrent{nullptr};

// Counts the contexts that have ended, so that a thread notices when the
// context it chose may have ended in another thread.
std::atomic<unsigned long> endedContexts{0};

struct ThreadCurrent {
    bool chosen = false;
    RenderContext *context = nullptr;
    unsigned long endedWhenChecked = 0;
};
thread_local ThreadCurrent threadCurrent;

std::mutex liveContextsLock;

// Never destroyed: contexts with static storage may outlive every other
// static object.
std::unordered_set<const void *> &liveContexts() {
    static auto *live = new std::unordered_set<const void *>;
    return *live;
}

bool isLive(const void *context) {
    std::lock_guard<std::mutex> hold(liveContextsLock);
    return liveContexts().count(context) != 0;
}

void makeCurrent(RenderContext *context) {
    threadCurrent.chosen = true;
    threadCurrent.context = context;
    threadCurrent.endedWhenChecked = endedContexts.load(std::memory_order_acquire);
    processCurrent.store(context, std::memory_order_release);
}

// The context is current for nobody any more: neither for the calling thread
// nor for the threads that follow the process's.
void forget(const RenderContext *context) {
    RenderContext *expected = const_cast<RenderContext *>(context);
    processCurrent.compare_exchange_strong(expected, nullptr, std::memory_order_acq_rel);
    if (threadCurrent.context == context) threadCurrent.context = nullptr;
}

// The calling thread's current context.
RenderContext *current() {
    if (!threadCurrent.chosen) return processCurrent.load(std::memory_order_acquire);
    const unsigned long ended = endedContexts.load(std::memory_order_acquire);
    if (ended != threadCurrent.endedWhenChecked) {
        threadCurrent.endedWhenChecked = ended;
        if (threadCurrent.context && !isLive(threadCurrent.context)) threadCurrent.context = nullptr;
    }
    return threadCurrent.context;
}

// The current context after a check that it has not ended, reported as not
// started when there is none.
__attribute__((noinline)) RenderContext *checkedContext(const char *entryName) {
    RenderContext *context = current();
    if (context == nullptr) quillet::reportError(RIE_NOTSTARTED, RIE_SEVERE, entryName);
    return context;
}

}  // namespace

namespace quillet {

void registerLiveContext(const RenderContext *context) {
    std::lock_guard<std::mutex> hold(liveContextsLock);
    liveContexts().insert(context);
}

void retireLiveContext(const RenderContext *context) {
    {
        std::lock_guard<std::mutex> hold(liveContextsLock);
        liveContexts().erase(context);
    }
    endedContexts.fetch_add(1, std::memory_order_acq_rel);
    forget(context);
}

bool isLiveContext(RtContextHandle handle) {
    return handle != nullptr && isLive(handle);
}

ThreadContextScope::ThreadContextScope(RtContextHandle context)
    : previousChosen(threadCurrent.chosen), previousContext(threadCurrent.context),
      previousEndedWhenChecked(threadCurrent.endedWhenChecked) {
    threadCurrent.chosen = true;
    threadCurrent.context = static_cast<RenderContext *>(context);
    threadCurrent.endedWhenChecked = endedContexts.load(std::memory_order_acquire);
}

// The previous context may have ended meanwhile: the count of ended contexts
// kept with it makes current() check it again.
ThreadContextScope::~ThreadContextScope() {
    threadCurrent.chosen = previousChosen;
    threadCurrent.context = previousContext;
    threadCurrent.endedWhenChecked = previousEndedWhenChecked;
}

// Every request asks for the current context: the common case (a context
// chosen by this thread, and no context ended since it looked) takes a few
// loads; the rest goes the long way.
RenderContext *activeContext(const char *entryName) {
    // Only a thread that chose a context holds one.
    RenderContext *context = threadCurrent.context;
    if (context && threadCurrent.endedWhenChecked == endedContexts.load(std::memory_order_acquire)) return context;
    return checkedContext(entryName);
}

}  // namespace quillet

// Any context that is current stays open; the new writer replaces it. A
// target that could not be opened leaves no context current.
RtVoid RiBegin(RtToken name) {
    makeCurrent(quillet::newStreamWriter(name));
}

RtVoid RiEnd(void) {
    RenderContext *ending = current();
    if (ending == nullptr) {
        quillet::reportError(RIE_NESTING, RIE_SEVERE, kEndWithoutContext);
        return;
    }
    // Not current while it ends: reports of its end may reach the program.
    forget(ending);
    delete ending;
}

// A handle is compared with the live contexts before it is used as one:
// anything else is reported and leaves the current context as it is.
RtVoid RiContext(RtContextHandle handle) {
    if (handle != nullptr && !quillet::isLiveContext(handle)) {
        quillet::reportError(RIE_BADHANDLE, RIE_ERROR, kContextEntry);
        return;
    }
    makeCurrent(static_cast<RenderContext *>(handle));
}

RtContextHandle RiGetContext(void) {
    return current();
}
