// Catmull-Clark refinement of a polygon cage, with sharp and semi-sharp
// creases, corners, holes and an interpolated boundary. Colours given per
// vertex ride along as extra coordinates of the points; colours given per
// face corner (facevarying, facevertex) ride along with the corners and are
// interpolated linearly within each face of the cage, so that they stay
// apart where faces meet.
#include <algorithm>
#include <cstring>
#include <unordered_map>

#include "tools/glimpse/Tessellate.h"

namespace quillet {
namespace glimpse {

namespace {

const float kInfinitelySharp = 10;

struct Cage {
    int dims = 3;                 // coordinates per point: position, then colours
    std::vector<double> points;   // dims per point
    std::vector<float> corner;    // sharpness per point
    std::vector<uint32_t> start;  // per face, into verts; one more at the end
    std::vector<uint32_t> verts;
    int cornerDims = 0;                // values per face corner
    std::vector<double> cornerValues;  // cornerDims per entry of verts
    std::vector<uint8_t> hole;
    std::vector<uint32_t> uniform;  // the original face of each face
    std::unordered_map<uint64_t, float> crease;

    size_t pointCount() const { return points.size() / size_t(dims); }
    size_t faceCount() const { return start.size() - 1; }
    static uint64_t key(uint32_t a, uint32_t b) {
        if (a > b) std::swap(a, b);
        return (uint64_t(a) << 32) | b;
    }
    float sharpness(uint32_t a, uint32_t b) const {
        auto it = crease.find(key(a, b));
        return it == crease.end() ? 0 : it->second;
    }
};

struct Edge {
    uint32_t a, b;
    uint32_t faces[2];
    int faceCount = 0;
};

// One level of refinement.
Cage refine(const Cage &in, bool interpolateBoundary) {
    const int D = in.dims;
    const size_t np = in.pointCount(), nf = in.faceCount();
    std::unordered_map<uint64_t, uint32_t> edgeIndex;
    std::vector<Edge> edges;
    std::vector<uint32_t> faceEdge(in.verts.size());  // the edge from each face corner to the next
    for (size_t f = 0; f < nf; ++f) {
        uint32_t s = in.start[f], n = in.start[f + 1] - s;
        for (uint32_t k = 0; k < n; ++k) {
            uint32_t a = in.verts[s + k], b = in.verts[s + (k + 1) % n];
            auto found = edgeIndex.emplace(Cage::key(a, b), static_cast<uint32_t>(edges.size()));
            if (found.second) edges.push_back(Edge{a, b, {0, 0}, 0});
            Edge &e = edges[found.first->second];
            if (e.faceCount < 2) e.faces[e.faceCount] = static_cast<uint32_t>(f);
            ++e.faceCount;
            faceEdge[s + k] = found.first->second;
        }
    }
    auto P = [&](uint32_t i) { return &in.points[size_t(i) * size_t(D)]; };

    Cage out;
    out.dims = D;
    // New points: the old points' new positions, then edge points, then face points.
    const size_t edgeBase = np, faceBase = np + edges.size();
    out.points.assign((faceBase + nf) * size_t(D), 0.0);
    out.corner.assign(faceBase + nf, 0.0f);
    auto Q = [&](size_t i) { return &out.points[i * size_t(D)]; };

    for (size_t f = 0; f < nf; ++f) {
        uint32_t s = in.start[f], n = in.start[f + 1] - s;
        double *q = Q(faceBase + f);
        for (uint32_t k = 0; k < n; ++k)
            for (int d = 0; d < D; ++d) q[d] += P(in.verts[s + k])[d] / n;
    }
    std::vector<float> edgeSharp(edges.size());
    for (size_t e = 0; e < edges.size(); ++e) {
        const Edge &edge = edges[e];
        bool boundary = edge.faceCount != 2;
        float sharp = boundary ? kInfinitelySharp : in.sharpness(edge.a, edge.b);
        edgeSharp[e] = sharp;
        double *q = Q(edgeBase + e);
        for (int d = 0; d < D; ++d) {
            double mid = 0.5 * (P(edge.a)[d] + P(edge.b)[d]);
            if (boundary) {
                q[d] = mid;
                continue;
            }
            double smooth =
                0.25 * (P(edge.a)[d] + P(edge.b)[d] + Q(faceBase + edge.faces[0])[d] + Q(faceBase + edge.faces[1])[d]);
            double w = std::min(1.0f, sharp);
            q[d] = w * mid + (1 - w) * smooth;
        }
    }
    // Per point: faces and edges around it, and its sharp edges.
    std::vector<int> valence(np, 0), faceCount(np, 0), sharpCount(np, 0);
    std::vector<double> faceSum(np * size_t(D), 0.0), edgeSum(np * size_t(D), 0.0), sharpSum(np * size_t(D), 0.0);
    std::vector<float> sharpTotal(np, 0.0f);
    std::vector<uint8_t> onBoundary(np, 0);
    for (size_t f = 0; f < nf; ++f)
        for (uint32_t k = in.start[f]; k < in.start[f + 1]; ++k) {
            uint32_t v = in.verts[k];
            ++faceCount[v];
            for (int d = 0; d < D; ++d) faceSum[v * size_t(D) + size_t(d)] += Q(faceBase + f)[d];
        }
    for (size_t e = 0; e < edges.size(); ++e) {
        const Edge &edge = edges[e];
        for (uint32_t v : {edge.a, edge.b}) {
            uint32_t other = v == edge.a ? edge.b : edge.a;
            ++valence[v];
            for (int d = 0; d < D; ++d) edgeSum[v * size_t(D) + size_t(d)] += 0.5 * (P(v)[d] + P(other)[d]);
            if (edgeSharp[e] > 0) {
                ++sharpCount[v];
                sharpTotal[v] += std::min(edgeSharp[e], kInfinitelySharp);
                for (int d = 0; d < D; ++d) sharpSum[v * size_t(D) + size_t(d)] += P(other)[d];
            }
            if (edge.faceCount != 2) onBoundary[v] = 1;
        }
    }
    for (uint32_t v = 0; v < np; ++v) {
        double *q = Q(v);
        const double *p = P(v);
        int n = faceCount[v];
        if (n == 0) {
            std::copy(p, p + D, q);
            continue;
        }
        double smooth[16];
        for (int d = 0; d < D; ++d) {
            double F = faceSum[v * size_t(D) + size_t(d)] / n, R = edgeSum[v * size_t(D) + size_t(d)] / valence[v];
            smooth[d] = (F + 2 * R + (n - 3) * p[d]) / n;
        }
        float cornerSharp = in.corner[v];
        bool fixedCorner = cornerSharp > 0 || sharpCount[v] > 2 || (interpolateBoundary && onBoundary[v] && n == 1);
        double rule[16], w = 1;
        if (fixedCorner) {
            std::copy(p, p + D, rule);
            if (cornerSharp > 0 && sharpCount[v] <= 2) w = std::min(1.0f, cornerSharp);
        } else if (sharpCount[v] == 2) {
            for (int d = 0; d < D; ++d) rule[d] = (6 * p[d] + sharpSum[v * size_t(D) + size_t(d)]) / 8;
            if (!onBoundary[v]) w = std::min(1.0f, sharpTotal[v] / 2);
        } else {
            std::copy(smooth, smooth + D, rule);
        }
        for (int d = 0; d < D; ++d) q[d] = w * rule[d] + (1 - w) * smooth[d];
        out.corner[v] = std::max(0.0f, cornerSharp - 1);
    }
    // Child faces: one quad per corner of each face. Its corner values: the
    // corner's own, the midpoints of the two edges at it, the face's mean.
    out.start.push_back(0);
    out.cornerDims = in.cornerDims;
    const int C = in.cornerDims;
    std::vector<double> mean(static_cast<size_t>(C));
    auto cornerValue = [&](size_t k) { return in.cornerValues.data() + k * size_t(C); };
    for (size_t f = 0; f < nf; ++f) {
        uint32_t s = in.start[f], n = in.start[f + 1] - s;
        std::fill(mean.begin(), mean.end(), 0.0);
        for (uint32_t k = 0; k < n && C > 0; ++k)
            for (int d = 0; d < C; ++d) mean[size_t(d)] += cornerValue(s + k)[d] / n;
        for (uint32_t k = 0; k < n; ++k) {
            uint32_t v = in.verts[s + k];
            uint32_t next = static_cast<uint32_t>(edgeBase + faceEdge[s + k]);
            uint32_t prev = static_cast<uint32_t>(edgeBase + faceEdge[s + (k + n - 1) % n]);
            out.verts.insert(out.verts.end(), {v, next, static_cast<uint32_t>(faceBase + f), prev});
            if (C > 0) {
                const double *here = cornerValue(s + k), *after = cornerValue(s + (k + 1) % n),
                             *before = cornerValue(s + (k + n - 1) % n);
                for (int d = 0; d < C; ++d) out.cornerValues.push_back(here[d]);
                for (int d = 0; d < C; ++d) out.cornerValues.push_back(0.5 * (here[d] + after[d]));
                for (int d = 0; d < C; ++d) out.cornerValues.push_back(mean[size_t(d)]);
                for (int d = 0; d < C; ++d) out.cornerValues.push_back(0.5 * (here[d] + before[d]));
            }
            out.start.push_back(static_cast<uint32_t>(out.verts.size()));
            out.hole.push_back(in.hole[f]);
            out.uniform.push_back(in.uniform[f]);
        }
    }
    for (size_t e = 0; e < edges.size(); ++e) {
        float s = edgeSharp[e];
        if (s <= 1 || edges[e].faceCount != 2) continue;  // boundaries are found again from the faces
        float child = s >= kInfinitelySharp ? s : s - 1;
        uint32_t mid = static_cast<uint32_t>(edgeBase + e);
        out.crease[Cage::key(edges[e].a, mid)] = child;
        out.crease[Cage::key(mid, edges[e].b)] = child;
    }
    return out;
}

bool isTag(RtToken tag, const char *word) {
    return tag && std::strcmp(tag, word) == 0;
}

}  // namespace

std::string subdivisionProblem(const SubdivisionShape &s) {
    if (s.nfaces < 1 || !s.nvertices || !s.vertices) return "no faces";
    long long total = 0;
    for (int f = 0; f < s.nfaces; ++f) {
        if (s.nvertices[f] < 3) return "a face with fewer than 3 vertices";
        total += s.nvertices[f];
        if (total > (1LL << 30)) return "too many face vertices";
    }
    for (long long k = 0; k < total; ++k)
        if (s.vertices[k] < 0 || static_cast<size_t>(s.vertices[k]) >= s.npoints) return "a vertex index with no point";
    return "";
}

MeshData tessellateSubdivision(const SubdivisionShape &s, const SurfaceParams &params, int levels,
                               std::string &ignored) {
    Cage cage;
    const bool csVertex = params.cs && params.cs.width == 3 &&
                          (params.cs.storage == ParamClass::Vertex || params.cs.storage == ParamClass::Varying);
    const bool osVertex = params.os && params.os.width == 3 &&
                          (params.os.storage == ParamClass::Vertex || params.os.storage == ParamClass::Varying);
    cage.dims = 3 + (csVertex ? 3 : 0) + (osVertex ? 3 : 0);
    auto perCorner = [](const FloatParam &p) {
        return p && p.width == 3 && (p.storage == ParamClass::FaceVarying || p.storage == ParamClass::FaceVertex);
    };
    const bool csCorner = perCorner(params.cs), osCorner = perCorner(params.os);
    cage.cornerDims = (csCorner ? 3 : 0) + (osCorner ? 3 : 0);
    for (size_t i = 0; i < s.npoints; ++i) {
        Vec3 p = params.P.point(i);
        cage.points.insert(cage.points.end(), {p.x, p.y, p.z});
        if (csVertex) cage.points.insert(cage.points.end(), params.cs.values + i * 3, params.cs.values + i * 3 + 3);
        if (osVertex) cage.points.insert(cage.points.end(), params.os.values + i * 3, params.os.values + i * 3 + 3);
    }
    cage.corner.assign(s.npoints, 0.0f);
    cage.start.push_back(0);
    for (int f = 0, k = 0; f < s.nfaces; ++f) {
        for (int v = 0; v < s.nvertices[f]; ++v, ++k) {
            cage.verts.push_back(static_cast<uint32_t>(s.vertices[k]));
            if (csCorner)
                cage.cornerValues.insert(cage.cornerValues.end(), params.cs.values + size_t(k) * 3,
                                         params.cs.values + size_t(k) * 3 + 3);
            if (osCorner)
                cage.cornerValues.insert(cage.cornerValues.end(), params.os.values + size_t(k) * 3,
                                         params.os.values + size_t(k) * 3 + 3);
        }
        cage.start.push_back(static_cast<uint32_t>(cage.verts.size()));
        cage.hole.push_back(0);
        cage.uniform.push_back(static_cast<uint32_t>(f));
    }
    bool interpolateBoundary = false;
    size_t ints = 0, floats = 0;
    for (int t = 0; t < s.ntags; ++t) {
        int ni = s.nargs[2 * t], nf = s.nargs[2 * t + 1];
        const RtInt *iv = s.intargs ? s.intargs + ints : nullptr;
        const RtFloat *fv = s.floatargs ? s.floatargs + floats : nullptr;
        auto point = [&](int i) { return iv[i] >= 0 && size_t(iv[i]) < s.npoints; };
        if (isTag(s.tags[t], "interpolateboundary")) {
            interpolateBoundary = true;
        } else if (isTag(s.tags[t], "crease") && ni >= 2 && nf >= 1) {
            for (int i = 0; i + 1 < ni; ++i)
                if (point(i) && point(i + 1))
                    cage.crease[Cage::key(uint32_t(iv[i]), uint32_t(iv[i + 1]))] = std::max(0.0f, fv[0]);
        } else if (isTag(s.tags[t], "corner") && nf >= 1) {
            for (int i = 0; i < ni; ++i)
                if (point(i)) cage.corner[size_t(iv[i])] = std::max(0.0f, fv[std::min(i, nf - 1)]);
        } else if (isTag(s.tags[t], "hole")) {
            for (int i = 0; i < ni; ++i)
                if (iv[i] >= 0 && iv[i] < s.nfaces) cage.hole[size_t(iv[i])] = 1;
        } else {
            if (!ignored.empty()) ignored += ", ";
            ignored += s.tags[t] ? s.tags[t] : "";
        }
        ints += size_t(std::max(0, ni));
        floats += size_t(std::max(0, nf));
    }
    for (int level = 0; level < levels; ++level) cage = refine(cage, interpolateBoundary);

    MeshData mesh;
    const int D = cage.dims;
    for (size_t i = 0; i < cage.pointCount(); ++i) {
        const double *p = &cage.points[i * size_t(D)];
        mesh.addVertex({p[0], p[1], p[2]});
        int at = 3;
        for (auto channel : {std::make_pair(csVertex, &mesh.cs), std::make_pair(osVertex, &mesh.os)}) {
            if (!channel.first) continue;
            for (int d = 0; d < 3; ++d) channel.second->values.push_back(static_cast<float>(p[at + d]));
            channel.second->binding = ColorChannel::Binding::Vertex;
            at += 3;
        }
    }
    std::vector<uint32_t> faceOf;
    for (size_t f = 0; f < cage.faceCount(); ++f) {
        if (cage.hole[f]) continue;
        uint32_t st = cage.start[f], n = cage.start[f + 1] - st;
        for (uint32_t k = 1; k + 1 < n; ++k) {
            mesh.addTriangle(cage.verts[st], cage.verts[st + k], cage.verts[st + k + 1]);
            faceOf.push_back(cage.uniform[f]);
            for (uint32_t corner : {st, st + k, st + k + 1}) {
                if (cage.cornerDims == 0) break;
                const double *values = &cage.cornerValues[size_t(corner) * size_t(cage.cornerDims)];
                if (csCorner) mesh.cs.values.insert(mesh.cs.values.end(), values, values + 3);
                if (osCorner)
                    mesh.os.values.insert(mesh.os.values.end(), values + (csCorner ? 3 : 0),
                                          values + (csCorner ? 6 : 3));
            }
        }
    }
    if (csCorner) mesh.cs.binding = ColorChannel::Binding::Corner;
    if (osCorner) mesh.os.binding = ColorChannel::Binding::Corner;
    for (auto channel : {std::make_pair(&params.cs, &mesh.cs), std::make_pair(&params.os, &mesh.os)}) {
        const FloatParam &p = *channel.first;
        if (!p || p.width != 3 || p.storage != ParamClass::Uniform) continue;
        channel.second->binding = ColorChannel::Binding::Triangle;
        for (uint32_t f : faceOf)
            for (int d = 0; d < 3; ++d) channel.second->values.push_back(p.values[size_t(f) * 3 + size_t(d)]);
    }
    smoothNormals(mesh);
    return mesh;
}

}  // namespace glimpse
}  // namespace quillet
