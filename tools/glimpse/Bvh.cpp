#include "tools/glimpse/Bvh.h"

#include <cmath>
#include <thread>

namespace quillet {
namespace glimpse {

namespace {

const int kBins = 8;
const uint32_t kSmallLeaf = 4;   // a leaf, always
const uint32_t kLeafSize = 12;   // at most this many primitives in a leaf...
const uint32_t kLargeLeaf = 16;  // ...unless splitting them costs more
const int kMedianDepth = 40;     // beyond this depth, split at the median
const float kTraversalCost = 6.0f;
const uint32_t kSampled = 1024;  // nodes larger than this bin a sample

// A primitive while the hierarchy is built: its box and its index, moved
// about with it so that every pass over a range reads memory in order.
struct Ref {
    Box box;
    float middle[3];  // the box's centre, worked out once
    uint32_t index;

    float centre(int axis) const { return middle[axis]; }
};

// The box of a range of primitives and the box of their centres.
struct Bounds {
    Box box, centres;

    void add(const Ref &r) {
        box.grow(r.box);
        centres.grow(r.centre(0), r.centre(1), r.centre(2));
    }
    void add(const Bounds &b) {
        box.grow(b.box);
        centres.grow(b.centres);
    }
    static Bounds of(const Ref *begin, const Ref *end) {
        Bounds b;
        for (const Ref *p = begin; p != end; ++p) b.add(*p);
        return b;
    }
};

struct Builder {
    Ref *base;

    // Builds the subtree over [begin, end) into out; returns its index there.
    // With threads > 1 the right half is built at the same time in a thread
    // of its own and appended.
    uint32_t build(std::vector<Bvh::Node> &out, Ref *begin, Ref *end, const Bounds &bounds, int depth,
                   unsigned threads) {
        uint32_t index = static_cast<uint32_t>(out.size());
        out.push_back({});
        out[index].box = bounds.box;
        uint32_t count = static_cast<uint32_t>(end - begin);
        Bounds left, right;
        Ref *middle = split(begin, end, bounds, count, depth, left, right);
        if (!middle) {
            out[index].index = static_cast<uint32_t>(begin - base);
            out[index].count = count;
            return index;
        }
        if (threads > 1 && count > 100000) {
            std::vector<Bvh::Node> second;
            std::thread worker([&] { build(second, middle, end, right, depth + 1, threads / 2); });
            build(out, begin, middle, left, depth + 1, threads - threads / 2);
            worker.join();
            uint32_t offset = static_cast<uint32_t>(out.size());
            for (Bvh::Node &node : second)
                if (node.count == 0) node.index += offset;
            out[index].index = offset;
            out.insert(out.end(), second.begin(), second.end());
        } else {
            build(out, begin, middle, left, depth + 1, 1);
            out[index].index = build(out, middle, end, right, depth + 1, 1);
        }
        out[index].count = 0;
        return index;
    }

    // The split point, or null for a leaf; the bounds of both sides.
    Ref *split(Ref *begin, Ref *end, const Bounds &bounds, uint32_t count, int depth, Bounds &left, Bounds &right) {
        if (count <= kSmallLeaf) return nullptr;
        const Box &centreBox = bounds.centres;
        int axis = 0;
        float extent[3];
        for (int k = 0; k < 3; ++k) extent[k] = centreBox.hi[k] - centreBox.lo[k];
        if (extent[1] > extent[axis]) axis = 1;
        if (extent[2] > extent[axis]) axis = 2;
        // Binning needs a spread that is finite and whose reciprocal is, so
        // that every bin number is a finite number; otherwise the median.
        const bool binnable = extent[axis] > 0 && extent[axis] < kInfinity && kBins / extent[axis] < kInfinity;
        if (!binnable || depth >= kMedianDepth) {
            if (count <= kLargeLeaf && extent[axis] == 0) return nullptr;
            return median(begin, end, axis, left, right);
        }

        // Large nodes choose their plane from a sample of their primitives
        // and find both sides' bounds while partitioning.
        const size_t stride = count > kSampled ? count / kSampled : 1;
        Bounds bin[kBins];
        uint32_t binCount[kBins] = {};
        const float scale = kBins / extent[axis], low = centreBox.lo[axis];
        auto binOf = [&](const Ref &r) {
            int b = static_cast<int>((r.centre(axis) - low) * scale);
            return b < 0 ? 0 : b >= kBins ? kBins - 1 : b;
        };
        // Neighbours in the array tend to fall in the same bin: a run is
        // gathered in registers and added to its bin when the bin changes.
        Bounds run;
        int runBin = -1;
        uint32_t runCount = 0;
        for (size_t k = 0; k < count; k += stride) {
            int b = binOf(begin[k]);
            if (b != runBin) {
                if (runBin >= 0) bin[runBin].add(run), binCount[runBin] += runCount;
                run = Bounds();
                runBin = b;
                runCount = 0;
            }
            run.add(begin[k]);
            ++runCount;
        }
        if (runBin >= 0) bin[runBin].add(run), binCount[runBin] += runCount;
        Bounds after[kBins];
        uint32_t rightCount[kBins];
        Bounds acc;
        uint32_t n = 0;
        for (int b = kBins - 1; b > 0; --b) {
            acc.add(bin[b]);
            n += binCount[b];
            after[b] = acc;
            rightCount[b] = n;
        }
        float best = kInfinity;
        int bestBin = -1;
        Bounds before;
        acc = Bounds();
        n = 0;
        for (int b = 0; b + 1 < kBins; ++b) {
            acc.add(bin[b]);
            n += binCount[b];
            if (n == 0 || rightCount[b + 1] == 0) continue;
            float cost = acc.box.area() * n + after[b + 1].box.area() * rightCount[b + 1];
            if (cost < best) best = cost, bestBin = b, before = acc;
        }
        float leafCost = bounds.box.area() * static_cast<float>(count) / static_cast<float>(stride);
        if (bestBin < 0) return count <= kLargeLeaf ? nullptr : median(begin, end, axis, left, right);
        if (count <= kLeafSize && kTraversalCost * bounds.box.area() + best >= leafCost) return nullptr;
        if (count <= kLargeLeaf && best >= leafCost) return nullptr;
        if (stride == 1) {
            left = before;
            right = after[bestBin + 1];
            return std::partition(begin, end, [&](const Ref &r) { return binOf(r) <= bestBin; });
        }
        Bounds below, above;  // locals, kept in registers
        Ref *i = begin, *j = end;
        for (;;) {
            while (i < j && binOf(*i) <= bestBin) below.add(*i++);
            while (i < j && binOf(*(j - 1)) > bestBin) above.add(*--j);
            if (i >= j) break;
            std::swap(*i, *--j);
            below.add(*i++);
            above.add(*j);
        }
        left = below;
        right = above;
        if (i == begin || i == end) return median(begin, end, axis, left, right);
        return i;
    }

    Ref *median(Ref *begin, Ref *end, int axis, Bounds &left, Bounds &right) {
        Ref *middle = begin + (end - begin) / 2;
        std::nth_element(begin, middle, end,
                         [&](const Ref &a, const Ref &b) { return a.centre(axis) < b.centre(axis); });
        left = Bounds::of(begin, middle);
        right = Bounds::of(middle, end);
        return middle;
    }
};

}  // namespace

Box Box::transformed(const Mat4 &m) const {
    Box out;
    for (int k = 0; k < 8; ++k)
        out.grow(m.point(Vec3(k & 1 ? hi[0] : lo[0], k & 2 ? hi[1] : lo[1], k & 4 ? hi[2] : lo[2])));
    return out;
}

Ray::Ray(const Vec3 &from, const Vec3 &dir) : origin(from), direction(dir) {
    for (int k = 0; k < 3; ++k) {
        o[k] = static_cast<float>(from[k]);
        d[k] = static_cast<float>(dir[k]);
        inv[k] = 1.0f / d[k];
    }
    kz = std::fabs(d[0]) > std::fabs(d[1]) ? (std::fabs(d[0]) > std::fabs(d[2]) ? 0 : 2)
                                           : (std::fabs(d[1]) > std::fabs(d[2]) ? 1 : 2);
    kx = (kz + 1) % 3;
    ky = (kx + 1) % 3;
    if (d[kz] < 0) std::swap(kx, ky);
    sx = d[kx] / d[kz];
    sy = d[ky] / d[kz];
    sz = 1.0f / d[kz];
}

void Bvh::build(size_t count, const std::function<Box(uint32_t)> &boxOf, unsigned threads) {
    nodes.clear();
    order.clear();
    std::vector<Ref> refs;
    refs.reserve(count);
    for (uint32_t k = 0; k < count; ++k) {
        Box box = boxOf(k);
        if (box.usable())
            refs.push_back(
                Ref{box,
                    {0.5f * (box.lo[0] + box.hi[0]), 0.5f * (box.lo[1] + box.hi[1]), 0.5f * (box.lo[2] + box.hi[2])},
                    k});
    }
    if (refs.empty()) return;
    Builder builder{refs.data()};
    nodes.reserve(refs.size() / 2 + 1);
    builder.build(nodes, refs.data(), refs.data() + refs.size(), Bounds::of(refs.data(), refs.data() + refs.size()), 0,
                  std::max(1u, threads));
    nodes.shrink_to_fit();
    order.resize(refs.size());
    for (size_t k = 0; k < refs.size(); ++k) order[k] = refs[k].index;
}

}  // namespace glimpse
}  // namespace quillet
