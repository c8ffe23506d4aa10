// The values of the request in hand: a growing array of plain numbers that
// keeps its memory from one request to the next. It grows with realloc, which
// moves large arrays by remapping their pages rather than copying them.
#ifndef QUILLET_PARSE_VALUEPOOL_H
#define QUILLET_PARSE_VALUEPOOL_H

#include <cstddef>
#include <cstdlib>
#include <new>
#include <type_traits>

namespace quillet {

template <typename T>
class ValuePool {
    static_assert(std::is_trivially_copyable<T>::value, "plain values only");

public:
    ValuePool() = default;
    ValuePool(const ValuePool &) = delete;
    ValuePool &operator=(const ValuePool &) = delete;
    ~ValuePool() { std::free(items); }

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
    static const size_t kFirstRoom = 1024;

    void grow(size_t needed) {
        size_t next = room * 2 > needed ? room * 2 : needed;
        if (next < kFirstRoom) next = kFirstRoom;
        void *moved = std::realloc(items, next * sizeof(T));
        if (!moved) throw std::bad_alloc();
        items = static_cast<T *>(moved);
        room = next;
    }

    T *items = nullptr;
    size_t count = 0;
    size_t room = 0;
};

}  // namespace quillet

#endif
