// The list of live fork guards and the fork handlers that lock and release
// them.
#include "rib/ForkGuard.h"

#include <pthread.h>

namespace quillet {

struct ForkGuardList {
    // The newest live guard; the list runs through older. The list lock is
    // taken before any guard's lock, never after.
    static ForkGuard *newest;
    static std::mutex lock;

    static void beforeFork() {
        lock.lock();
        for (ForkGuard *guard = newest; guard; guard = guard->older) guard->lock.lock();
    }
    static void afterForkInParent() {
        for (ForkGuard *guard = newest; guard; guard = guard->older) guard->lock.unlock();
        lock.unlock();
    }
    static void afterForkInChild() {
        for (ForkGuard *guard = newest; guard; guard = guard->older) {
            guard->threadsGone();
            guard->lock.unlock();
        }
        lock.unlock();
    }
};

ForkGuard *ForkGuardList::newest = nullptr;
std::mutex ForkGuardList::lock;

ForkGuard::ForkGuard(std::mutex &lock, std::function<void()> threadsGone)
    : lock(lock), threadsGone(std::move(threadsGone)) {
    static const bool registered = pthread_atfork(ForkGuardList::beforeFork, ForkGuardList::afterForkInParent,
                                                  ForkGuardList::afterForkInChild) == 0;
    (void)registered;
    std::lock_guard<std::mutex> hold(ForkGuardList::lock);
    older = ForkGuardList::newest;
    if (older) older->newer = this;
    ForkGuardList::newest = this;
}

ForkGuard::~ForkGuard() {
    std::lock_guard<std::mutex> hold(ForkGuardList::lock);
    if (older) older->newer = newer;
    if (newer)
        newer->older = older;
    else
        ForkGuardList::newest = older;
}

}  // namespace quillet
