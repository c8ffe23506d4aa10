// Strings of the request in hand: stored once, never moved, released all at
// once when the request is done. With a budget, each block is charged to it
// before it is made (BudgetSpent is thrown when it does not fit).
#ifndef QUILLET_PARSE_STRINGARENA_H
#define QUILLET_PARSE_STRINGARENA_H

#include <cstddef>
#include <cstring>
#include <memory>
#include <vector>

#include "parse/Budget.h"

namespace quillet {

class StringArena {
public:
    StringArena() = default;
    StringArena(const StringArena &) = delete;
    StringArena &operator=(const StringArena &) = delete;
    ~StringArena() { release(); }

    void setBudget(Budget *memory) { budget = memory; }
    // A zero-terminated copy that stays put until reset().
    const char *store(const char *text, size_t length) {
        if (blocks.empty() || length + 1 > room) {
            size_t size = length + 1 > kBlockSize ? length + 1 : kBlockSize;
            if (budget) budget->charge(size);
            blocks.emplace_back(new char[size]);
            sizes.push_back(size);
            room = size;
        }
        char *at = blocks.back().get() + (sizes.back() - room);
        std::memcpy(at, text, length);
        at[length] = '\0';
        room -= length + 1;
        return at;
    }
    // Keeps one standard block for the next request.
    void reset() {
        if (blocks.size() > 1 || (!sizes.empty() && sizes[0] != kBlockSize)) {
            release();
            return;
        }
        room = sizes.empty() ? 0 : kBlockSize;
    }
    // Every block freed.
    void release() {
        for (size_t size : sizes)
            if (budget) budget->give(size);
        blocks.clear();
        sizes.clear();
        room = 0;
    }

private:
    static constexpr size_t kBlockSize = 1 << 16;
    std::vector<std::unique_ptr<char[]>> blocks;
    std::vector<size_t> sizes;
    size_t room = 0;
    Budget *budget = nullptr;
};

}  // namespace quillet

#endif
