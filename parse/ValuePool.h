// The values of the request in hand: a growing array of plain numbers that
// keeps its memory from one request to the next. Large arrays live in
// mappings of their own, in large pages, and grow by remapping their pages
// rather than copying them. With a budget, every growth is charged to it
// first (BudgetSpent is thrown when it does not fit) and the memory is given
// back when the pool lets it go.
#ifndef QUILLET_PARSE_VALUEPOOL_H
#define QUILLET_PARSE_VALUEPOOL_H

#include <cstddef>
#include <type_traits>

#include "parse/Budget.h"

namespace quillet {

// A block of bytes for a pool: resized keeping its first oldBytes (block may
// be null when oldBytes is 0), and freed; bytes is always the block's size.
void *resizeValueBlock(void *block, size_t oldBytes, size_t newBytes);
void freeValueBlock(void *block, size_t bytes);

template <typename T>
class ValuePool {
    static_assert(std::is_trivially_copyable<T>::value, "plain values only");

public:
    ValuePool() = default;
    ValuePool(const ValuePool &) = delete;
    ValuePool &operator=(const ValuePool &) = delete;
    ~ValuePool() { release(); }

    void setBudget(Budget *memory) { budget = memory; }
    // Empty, with its memory freed.
    void release() {
        freeValueBlock(items, room * sizeof(T));
        if (budget) budget->give(room * sizeof(T));
        items = nullptr;
        count = room = 0;
    }

    void push_back(T value) {
        if (count == room) grow(count + 1);
        items[count++] = value;
    }
    void resize(size_t size) {
        if (size > room) grow(size);
        count = size;
    }
    void clear() { count = 0; }
    size_t size() const { return count; }
    bool empty() const { return count == 0; }
    T *data() { return items; }
    const T *begin() const { return items; }
    const T *end() const { return items + count; }
    T &operator[](size_t i) { return items[i]; }
    const T &operator[](size_t i) const { return items[i]; }
    T &back() { return items[count - 1]; }

private:
    static constexpr size_t kFirstRoom = 1024;

    void grow(size_t needed) {
        size_t next = room * 2 > needed ? room * 2 : needed;
        if (next < kFirstRoom) next = kFirstRoom;
        if (budget) budget->charge((next - room) * sizeof(T));
        items = static_cast<T *>(resizeValueBlock(items, room * sizeof(T), next * sizeof(T)));
        room = next;
    }

    T *items = nullptr;
    size_t count = 0;
    size_t room = 0;
    Budget *budget = nullptr;
};

}  // namespace quillet

#endif
