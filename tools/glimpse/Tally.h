// Requests counted by name, in order of first appearance.
#ifndef QUILLET_GLIMPSE_TALLY_H
#define QUILLET_GLIMPSE_TALLY_H

#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace quillet {
namespace glimpse {

class Tally {
public:
    void add(const std::string &name) {
        auto found = index.emplace(name, counts.size());
        if (found.second)
            counts.emplace_back(name, 1);
        else
            ++counts[found.first->second].second;
    }
    bool empty() const { return counts.empty(); }
    // "15 Hyperboloid, 1 Disk", or "none".
    std::string text() const {
        if (counts.empty()) return "none";
        std::string out;
        for (const auto &c : counts) {
            if (!out.empty()) out += ", ";
            out += std::to_string(c.second) + " " + c.first;
        }
        return out;
    }
    void clear() {
        counts.clear();
        index.clear();
    }

private:
    std::vector<std::pair<std::string, long long>> counts;
    std::unordered_map<std::string, size_t> index;
};

}  // namespace glimpse
}  // namespace quillet

#endif
