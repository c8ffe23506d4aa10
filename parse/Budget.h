// A limit on an amount that grows with the input: bytes held, work done,
// bytes written, depth reached. Whatever grows asks the budget first and
// gives back what it frees, so that a small input can never make the amount
// pass the limit. One budget may be shared by several readers (an archive
// and the archives it reads).
#ifndef QUILLET_PARSE_BUDGET_H
#define QUILLET_PARSE_BUDGET_H

#include <cstdint>
#include <exception>

namespace quillet {

// Thrown by Budget::charge when the limit would be passed.
class BudgetSpent : public std::exception {
public:
    const char *what() const noexcept override { return "budget spent"; }
};

class Budget {
public:
    explicit Budget(uint64_t limit = UINT64_MAX) : cap(limit) {}

    // Takes amount when it fits under the limit; false, and nothing taken,
    // when it does not (the budget is then marked as spent).
    bool take(uint64_t amount) {
        if (amount > cap - inUse) {
            reached = true;
            return false;
        }
        inUse += amount;
        return true;
    }
    // take(), throwing BudgetSpent instead of returning false.
    void charge(uint64_t amount) {
        if (!take(amount)) throw BudgetSpent();
    }
    void give(uint64_t amount) { inUse -= amount < inUse ? amount : inUse; }

    uint64_t limit() const { return cap; }
    uint64_t used() const { return inUse; }
    // Whether a take has been refused.
    bool spent() const { return reached; }

private:
    uint64_t cap;
    uint64_t inUse = 0;
    bool reached = false;
};

}  // namespace quillet

#endif
