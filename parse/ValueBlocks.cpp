#include "parse/ValuePool.h"

#include <cstdlib>
#include <cstring>
#include <new>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace quillet {

namespace {

#if defined(__linux__) && defined(MADV_HUGEPAGE)
// Blocks from this size up are mappings of their own, in large pages.
const size_t kLargeBlock = size_t(4) << 20;
const size_t kPage = 4096;

size_t mappedLength(size_t bytes) {
    return (bytes + kPage - 1) & ~(kPage - 1);
}

bool isMapped(size_t bytes) {
    return bytes >= kLargeBlock;
}
#endif

}  // namespace

// A large request's arrays are filled page by page; in 2 MB pages that costs
// far fewer faults and far less kernel bookkeeping than in 4 KB ones. Whole
// mappings are resized with mremap, which moves pages rather than copying.
void *resizeValueBlock(void *block, size_t oldBytes, size_t newBytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (isMapped(newBytes)) {
        void *moved;
        if (isMapped(oldBytes)) {
            moved = mremap(block, mappedLength(oldBytes), mappedLength(newBytes), MREMAP_MAYMOVE);
        } else {
            moved = mmap(nullptr, mappedLength(newBytes), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
            if (moved != MAP_FAILED) {
                madvise(moved, mappedLength(newBytes), MADV_HUGEPAGE);  // a hint: failure is harmless
                if (oldBytes > 0) std::memcpy(moved, block, oldBytes);
                std::free(block);
            }
        }
        if (moved == MAP_FAILED) throw std::bad_alloc();
        return moved;
    }
#endif
    void *moved = std::realloc(block, newBytes);
    if (!moved) throw std::bad_alloc();
    return moved;
}

void freeValueBlock(void *block, size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    if (isMapped(bytes)) {
        munmap(block, mappedLength(bytes));
        return;
    }
#endif
    (void)bytes;
    std::free(block);
}

}  // namespace quillet
