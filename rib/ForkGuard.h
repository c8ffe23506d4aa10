// Keeps an object that runs threads of its own usable across fork. Before a
// process forks, the lock of every live guard is taken, so that no thread
// holds it while the process is copied; after the fork the locks are
// released. In the child, where only the forking thread lives, each guard
// first tells its owner that the threads are gone.
#ifndef QUILLET_FORKGUARD_H
#define QUILLET_FORKGUARD_H

#include <functional>
#include <mutex>

namespace quillet {

class ForkGuard {
public:
    // lock guards everything the owner's threads share; threadsGone runs in
    // the child of a fork with lock held, and must forget the threads (never
    // join them) and take back the work they had started. Made last among
    // the owner's members, the guard is registered only once the owner is
    // whole, and leaves before the rest of it.
    ForkGuard(std::mutex &lock, std::function<void()> threadsGone);
    ~ForkGuard();
    ForkGuard(const ForkGuard &) = delete;
    ForkGuard &operator=(const ForkGuard &) = delete;

private:
    friend struct ForkGuardList;
    std::mutex &lock;
    std::function<void()> threadsGone;
    ForkGuard *older = nullptr;
    ForkGuard *newer = nullptr;
};

}  // namespace quillet

#endif
