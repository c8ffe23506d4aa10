// Patch meshes (bilinear, or bicubic in any basis and step, periodic or
// not) and non-uniform rational B-spline patches, each sampled on one grid
// over its whole parameter range.
#include <algorithm>
#include <cmath>

#include "tools/glimpse/Tessellate.h"

namespace quillet {
namespace glimpse {

namespace {

const size_t kMaxGridPoints = 4000000;

// The value of a vertex-class parameter at a point of the grid: the
// weighted sum of its control values, divided through by w for "Pw".
void blend(const FloatParam &p, const size_t *index, const double *weight, int count, double out[4]) {
    out[0] = out[1] = out[2] = 0;
    out[3] = p.width == 4 ? 0 : 1;
    for (int k = 0; k < count; ++k) {
        const RtFloat *v = p.values + index[k] * static_cast<size_t>(p.width);
        for (int d = 0; d < p.width && d < 4; ++d) out[d] += weight[k] * v[d];
    }
}

Vec3 position(const FloatParam &p, const size_t *index, const double *weight, int count) {
    double h[4];
    blend(p, index, weight, count, h);
    double w = h[3] != 0 ? h[3] : 1;
    return {h[0] / w, h[1] / w, h[2] / w};
}

void pushColor(std::vector<float> &out, const Vec3 &c) {
    out.push_back(static_cast<float>(c.x));
    out.push_back(static_cast<float>(c.y));
    out.push_back(static_cast<float>(c.z));
}

// Bilinear blend of four values of a 3-wide parameter.
Vec3 bilinear(const FloatParam &p, const size_t corner[4], double u, double v) {
    return p.vec3(corner[0]) * ((1 - u) * (1 - v)) + p.vec3(corner[1]) * (u * (1 - v)) +
           p.vec3(corner[2]) * ((1 - u) * v) + p.vec3(corner[3]) * (u * v);
}

ColorChannel::Binding bindingOf(const FloatParam &p) {
    if (!p || p.width != 3) return ColorChannel::Binding::None;
    if (p.storage == ParamClass::Uniform) return ColorChannel::Binding::Triangle;
    if (p.storage == ParamClass::Vertex || p.storage == ParamClass::Varying) return ColorChannel::Binding::Vertex;
    return ColorChannel::Binding::None;
}

// One direction of a grid: where each sample lies (its piece and the
// parameter within it), and how the samples wrap.
struct Axis {
    std::vector<int> piece;
    std::vector<double> local;
    size_t distinct;  // samples before a periodic axis wraps
    size_t cells;

    size_t sample(size_t k) const { return k % distinct; }
};

Axis patchAxis(int patches, int segments, bool periodic) {
    Axis a;
    a.cells = static_cast<size_t>(patches) * static_cast<size_t>(segments);
    a.distinct = periodic ? a.cells : a.cells + 1;
    for (size_t k = 0; k < a.distinct; ++k) {
        int p = std::min(static_cast<int>(k / static_cast<size_t>(segments)), patches - 1);
        a.piece.push_back(p);
        a.local.push_back((static_cast<double>(k) - p * static_cast<double>(segments)) / segments);
    }
    return a;
}

void gridTriangles(MeshData &mesh, const Axis &u, const Axis &v) {
    for (size_t j = 0; j < v.cells; ++j)
        for (size_t i = 0; i < u.cells; ++i) {
            auto at = [&](size_t a, size_t b) { return static_cast<uint32_t>(u.sample(a) + u.distinct * v.sample(b)); };
            uint32_t a = at(i, j), b = at(i + 1, j), c = at(i + 1, j + 1), d = at(i, j + 1);
            mesh.addTriangle(a, b, c);
            mesh.addTriangle(a, c, d);
        }
}

// Segments per side so that the whole grid stays within its bound.
int boundedSegments(int segments, size_t pieces) {
    while (segments > 1 && pieces * size_t(segments + 1) * size_t(segments + 1) > kMaxGridPoints) --segments;
    return segments;
}

}  // namespace

void cubicWeights(const RtFloat *m, double t, double w[4]) {
    const double T[4] = {t * t * t, t * t, t, 1};
    for (int k = 0; k < 4; ++k) w[k] = T[0] * m[k] + T[1] * m[4 + k] + T[2] * m[8 + k] + T[3] * m[12 + k];
}

bool patchCounts(const PatchMeshShape &shape, const CubicBasis &basis, int &pu, int &pv) {
    if (shape.nu < 1 || shape.nv < 1) return false;
    if (!shape.bicubic) {
        pu = shape.uperiodic ? shape.nu : shape.nu - 1;
        pv = shape.vperiodic ? shape.nv : shape.nv - 1;
    } else {
        if (basis.ustep < 1 || basis.vstep < 1 || shape.nu < 4 || shape.nv < 4) return false;
        pu = shape.uperiodic ? shape.nu / basis.ustep : (shape.nu - 4) / basis.ustep + 1;
        pv = shape.vperiodic ? shape.nv / basis.vstep : (shape.nv - 4) / basis.vstep + 1;
    }
    return pu > 0 && pv > 0;
}

MeshData tessellatePatchMesh(const PatchMeshShape &shape, const CubicBasis &basis, const SurfaceParams &params,
                             int segments) {
    MeshData mesh;
    int pu, pv;
    if (!patchCounts(shape, basis, pu, pv)) return mesh;
    segments = boundedSegments(segments, static_cast<size_t>(pu) * static_cast<size_t>(pv));
    const Axis u = patchAxis(pu, segments, shape.uperiodic), v = patchAxis(pv, segments, shape.vperiodic);
    const int order = shape.bicubic ? 4 : 2;
    const size_t nu = static_cast<size_t>(shape.nu), nv = static_cast<size_t>(shape.nv);
    // Varying values sit on the patch corners.
    const size_t vu = static_cast<size_t>(pu + (shape.uperiodic ? 0 : 1));
    const size_t vv = static_cast<size_t>(pv + (shape.vperiodic ? 0 : 1));

    auto weights = [&](const RtFloat *m, double t, double w[4]) {
        if (order == 4)
            cubicWeights(m, t, w);
        else
            w[0] = 1 - t, w[1] = t;
    };
    mesh.cs.binding = bindingOf(params.cs);
    mesh.os.binding = bindingOf(params.os);
    for (size_t j = 0; j < v.distinct; ++j)
        for (size_t i = 0; i < u.distinct; ++i) {
            int a = u.piece[i], b = v.piece[j];
            double wu[4], wv[4], w[16];
            weights(basis.u, u.local[i], wu);
            weights(basis.v, v.local[j], wv);
            size_t index[16];
            int k = 0;
            for (int l = 0; l < order; ++l)
                for (int m = 0; m < order; ++m, ++k) {
                    size_t col = (static_cast<size_t>(a) * size_t(order == 4 ? basis.ustep : 1) + size_t(m)) % nu;
                    size_t row = (static_cast<size_t>(b) * size_t(order == 4 ? basis.vstep : 1) + size_t(l)) % nv;
                    index[k] = col + nu * row;
                    w[k] = wu[m] * wv[l];
                }
            mesh.addVertex(position(params.P, index, w, k));
            size_t corner[4] = {size_t(a) % vu + vu * (size_t(b) % vv), size_t(a + 1) % vu + vu * (size_t(b) % vv),
                                size_t(a) % vu + vu * (size_t(b + 1) % vv),
                                size_t(a + 1) % vu + vu * (size_t(b + 1) % vv)};
            for (auto channel : {std::make_pair(&params.cs, &mesh.cs), std::make_pair(&params.os, &mesh.os)}) {
                const FloatParam &p = *channel.first;
                if (channel.second->binding != ColorChannel::Binding::Vertex) continue;
                double c[4];
                if (p.storage == ParamClass::Vertex) {
                    blend(p, index, w, k, c);
                    pushColor(channel.second->values, {c[0], c[1], c[2]});
                } else {
                    pushColor(channel.second->values, bilinear(p, corner, u.local[i], v.local[j]));
                }
            }
        }
    gridTriangles(mesh, u, v);
    for (auto channel : {std::make_pair(&params.cs, &mesh.cs), std::make_pair(&params.os, &mesh.os)}) {
        if (channel.second->binding != ColorChannel::Binding::Triangle) continue;
        for (size_t j = 0; j < v.cells; ++j)
            for (size_t i = 0; i < u.cells; ++i) {
                size_t patch = i / size_t(segments) + size_t(pu) * (j / size_t(segments));
                Vec3 c = channel.first->vec3(patch);
                pushColor(channel.second->values, c);
                pushColor(channel.second->values, c);
            }
    }
    smoothNormals(mesh);
    return mesh;
}

// ---- NURBS ----

namespace {

// The knot span that holds t: knot[s] <= t < knot[s + 1], order - 1 <= s < n.
int findSpan(int n, int order, const RtFloat *knot, double t) {
    int s = order - 1;
    while (s + 1 < n && knot[s + 1] <= t) ++s;
    return s;
}

// The order nonzero basis functions at t in span s.
void basisFunctions(int s, double t, int order, const RtFloat *knot, double *N) {
    double left[64], right[64];
    N[0] = 1;
    for (int j = 1; j < order; ++j) {
        left[j] = t - knot[s + 1 - j];
        right[j] = knot[s + j] - t;
        double saved = 0;
        for (int r = 0; r < j; ++r) {
            double denom = right[r + 1] + left[j - r];
            double temp = denom != 0 ? N[r] / denom : 0;
            N[r] = saved + right[r + 1] * temp;
            saved = left[j - r] * temp;
        }
        N[j] = saved;
    }
}

// Samples of one direction: segments per nonempty span within the range.
std::vector<double> nurbsSamples(int n, int order, const RtFloat *knot, double lo, double hi, int segments) {
    std::vector<double> breaks{lo};
    for (int k = order; k < n; ++k)
        if (knot[k] > lo && knot[k] < hi && knot[k] != breaks.back()) breaks.push_back(knot[k]);
    breaks.push_back(hi);
    std::vector<double> t;
    for (size_t b = 0; b + 1 < breaks.size(); ++b)
        for (int s = 0; s < segments; ++s) t.push_back(breaks[b] + (breaks[b + 1] - breaks[b]) * s / segments);
    t.push_back(hi);
    return t;
}

const int kMaxOrder = 32;

}  // namespace

std::string nuPatchProblem(const NuPatchShape &s) {
    if (s.uorder < 1 || s.vorder < 1 || s.uorder > kMaxOrder || s.vorder > kMaxOrder) return "order outside 1..32";
    if (s.nu < s.uorder || s.nv < s.vorder) return "fewer control points than the order";
    if (!s.uknot || !s.vknot) return "no knots";
    for (int k = 0; k + 1 < s.nu + s.uorder; ++k)
        if (!(s.uknot[k] <= s.uknot[k + 1])) return "decreasing knots";
    for (int k = 0; k + 1 < s.nv + s.vorder; ++k)
        if (!(s.vknot[k] <= s.vknot[k + 1])) return "decreasing knots";
    double ulo = std::max(s.umin, double(s.uknot[s.uorder - 1])), uhi = std::min(s.umax, double(s.uknot[s.nu]));
    double vlo = std::max(s.vmin, double(s.vknot[s.vorder - 1])), vhi = std::min(s.vmax, double(s.vknot[s.nv]));
    if (!(ulo < uhi) || !(vlo < vhi)) return "empty parameter range";
    return "";
}

MeshData tessellateNuPatch(const NuPatchShape &s, const SurfaceParams &params, int segments) {
    MeshData mesh;
    const double ulo = std::max(s.umin, double(s.uknot[s.uorder - 1])), uhi = std::min(s.umax, double(s.uknot[s.nu]));
    const double vlo = std::max(s.vmin, double(s.vknot[s.vorder - 1])), vhi = std::min(s.vmax, double(s.vknot[s.nv]));
    const size_t spansU = size_t(s.nu - s.uorder + 1), spansV = size_t(s.nv - s.vorder + 1);
    segments = boundedSegments(segments, spansU * spansV);
    const std::vector<double> tu = nurbsSamples(s.nu, s.uorder, s.uknot, ulo, uhi, segments);
    const std::vector<double> tv = nurbsSamples(s.nv, s.vorder, s.vknot, vlo, vhi, segments);
    mesh.cs.binding = bindingOf(params.cs);
    mesh.os.binding = bindingOf(params.os);
    const size_t vu = spansU + 1;  // varying values: one per span corner
    auto local = [](const RtFloat *knot, int span, double t) {
        double a = knot[span], b = knot[span + 1];
        return b > a ? std::clamp((t - a) / (b - a), 0.0, 1.0) : 0.0;
    };
    for (double v : tv) {
        int sv = findSpan(s.nv, s.vorder, s.vknot, v);
        double Nv[kMaxOrder];
        basisFunctions(sv, v, s.vorder, s.vknot, Nv);
        for (double u : tu) {
            int su = findSpan(s.nu, s.uorder, s.uknot, u);
            double Nu[kMaxOrder];
            basisFunctions(su, u, s.uorder, s.uknot, Nu);
            std::vector<size_t> index;
            std::vector<double> w;
            for (int l = 0; l < s.vorder; ++l)
                for (int m = 0; m < s.uorder; ++m) {
                    index.push_back(size_t(su - s.uorder + 1 + m) + size_t(s.nu) * size_t(sv - s.vorder + 1 + l));
                    w.push_back(Nu[m] * Nv[l]);
                }
            int count = static_cast<int>(w.size());
            mesh.addVertex(position(params.P, index.data(), w.data(), count));
            size_t a = size_t(su - s.uorder + 1), b = size_t(sv - s.vorder + 1);
            size_t corner[4] = {a + vu * b, a + 1 + vu * b, a + vu * (b + 1), a + 1 + vu * (b + 1)};
            for (auto channel : {std::make_pair(&params.cs, &mesh.cs), std::make_pair(&params.os, &mesh.os)}) {
                const FloatParam &p = *channel.first;
                if (channel.second->binding != ColorChannel::Binding::Vertex) continue;
                if (p.storage == ParamClass::Vertex) {
                    double c[4];
                    blend(p, index.data(), w.data(), count, c);
                    pushColor(channel.second->values, {c[0], c[1], c[2]});
                } else {
                    pushColor(channel.second->values,
                              bilinear(p, corner, local(s.uknot, su, u), local(s.vknot, sv, v)));
                }
            }
        }
    }
    Axis u{{}, {}, tu.size(), tu.size() - 1}, v{{}, {}, tv.size(), tv.size() - 1};
    gridTriangles(mesh, u, v);
    for (auto channel : {std::make_pair(&params.cs, &mesh.cs), std::make_pair(&params.os, &mesh.os)}) {
        if (channel.second->binding != ColorChannel::Binding::Triangle) continue;
        for (size_t j = 0; j + 1 < tv.size(); ++j)
            for (size_t i = 0; i + 1 < tu.size(); ++i) {
                size_t a = size_t(findSpan(s.nu, s.uorder, s.uknot, 0.5 * (tu[i] + tu[i + 1])) - s.uorder + 1);
                size_t b = size_t(findSpan(s.nv, s.vorder, s.vknot, 0.5 * (tv[j] + tv[j + 1])) - s.vorder + 1);
                Vec3 c = channel.first->vec3(a + spansU * b);
                pushColor(channel.second->values, c);
                pushColor(channel.second->values, c);
            }
    }
    smoothNormals(mesh);
    return mesh;
}

}  // namespace glimpse
}  // namespace quillet
