// Curves as flat ribbons turned toward the viewer, sampled along each
// segment of the linear or cubic curve.
#include <algorithm>

#include "tools/glimpse/Tessellate.h"

namespace quillet {
namespace glimpse {

namespace {

struct Sample {
    Vec3 p;
    double width;
    Vec3 cs, os;
};

}  // namespace

MeshData tessellateCurves(const CurvesShape &shape, const CubicBasis &basis, const SurfaceParams &params,
                          const FloatParam &width, double constantWidth, const Viewer &viewer, int segments) {
    MeshData mesh;
    const bool anyColor[2] = {params.cs && params.cs.width == 3, params.os && params.os.width == 3};
    if (anyColor[0]) mesh.cs.binding = ColorChannel::Binding::Vertex;
    if (anyColor[1]) mesh.os.binding = ColorChannel::Binding::Vertex;
    size_t vertexBase = 0, varyingBase = 0, uniformBase = 0;
    for (int c = 0; c < shape.ncurves; ++c) {
        const int nv = shape.nvertices[c];
        int pieces = 0;
        if (shape.cubic)
            pieces = basis.vstep < 1 || nv < 4 ? 0 : shape.periodic ? nv / basis.vstep : (nv - 4) / basis.vstep + 1;
        else
            pieces = shape.periodic ? nv : nv - 1;
        pieces = std::max(pieces, 0);
        const int steps = shape.cubic ? segments : 1;
        const size_t varyingCount = static_cast<size_t>(shape.cubic ? pieces + (shape.periodic ? 0 : 1) : nv);
        std::vector<Sample> samples;
        auto value = [&](const FloatParam &p, int dims, const size_t *index, const double *w, int count, size_t seg,
                         double t, double out[3]) {
            if (p.storage == ParamClass::Vertex) {
                for (int d = 0; d < dims; ++d) {
                    out[d] = 0;
                    for (int k = 0; k < count; ++k)
                        out[d] += w[k] * p.values[(vertexBase + index[k]) * size_t(dims) + size_t(d)];
                }
            } else if (p.storage == ParamClass::Varying) {
                size_t a = varyingBase + seg % varyingCount, b = varyingBase + (seg + 1) % varyingCount;
                for (int d = 0; d < dims; ++d)
                    out[d] =
                        (1 - t) * p.values[a * size_t(dims) + size_t(d)] + t * p.values[b * size_t(dims) + size_t(d)];
            } else {
                size_t e = p.storage == ParamClass::Uniform ? uniformBase + seg : 0;
                for (int d = 0; d < dims; ++d) out[d] = p.values[e * size_t(dims) + size_t(d)];
            }
        };
        for (int seg = 0; seg < pieces; ++seg)
            for (int s = 0; s <= steps; ++s) {
                if (s == steps && seg + 1 < pieces) continue;  // the next segment's first sample
                double t = double(s) / steps, w[4];
                size_t index[4];
                int count;
                if (shape.cubic) {
                    cubicWeights(basis.v, t, w);
                    for (int k = 0; k < 4; ++k) index[k] = size_t(seg * basis.vstep + k) % size_t(nv);
                    count = 4;
                } else {
                    w[0] = 1 - t, w[1] = t;
                    index[0] = size_t(seg) % size_t(nv), index[1] = size_t(seg + 1) % size_t(nv);
                    count = 2;
                }
                Sample sample;
                double h[4] = {0, 0, 0, 0};
                for (int k = 0; k < count; ++k) {
                    const RtFloat *p = params.P.values + (vertexBase + index[k]) * size_t(params.P.width);
                    for (int d = 0; d < params.P.width; ++d) h[d] += w[k] * p[d];
                }
                double hw = params.P.width == 4 && h[3] != 0 ? h[3] : 1;
                sample.p = Vec3(h[0] / hw, h[1] / hw, h[2] / hw);
                double v[3];
                sample.width = constantWidth;
                if (width) {
                    value(width, 1, index, w, count, size_t(seg), t, v);
                    sample.width = v[0];
                }
                if (anyColor[0])
                    value(params.cs, 3, index, w, count, size_t(seg), t, v), sample.cs = {v[0], v[1], v[2]};
                if (anyColor[1])
                    value(params.os, 3, index, w, count, size_t(seg), t, v), sample.os = {v[0], v[1], v[2]};
                samples.push_back(sample);
            }
        // Two vertices per sample, across the curve and across the line of sight.
        const size_t n = samples.size();
        for (size_t k = 0; k < n; ++k) {
            const Sample &s = samples[k];
            Vec3 tangent = samples[std::min(k + 1, n - 1)].p - samples[k > 0 ? k - 1 : 0].p;
            Vec3 toViewer = viewer.isPoint ? viewer.at - s.p : viewer.at;
            Vec3 side = normalize(cross(tangent, toViewer)) * (0.5 * s.width);
            uint32_t a = mesh.addVertex(s.p - side), b = mesh.addVertex(s.p + side);
            if (k > 0) {
                mesh.addTriangle(a - 2, a, b);
                mesh.addTriangle(a - 2, b, b - 2);
            }
            for (auto channel : {std::make_pair(&s.cs, &mesh.cs), std::make_pair(&s.os, &mesh.os)}) {
                if (channel.second->binding == ColorChannel::Binding::None) continue;
                for (int twice = 0; twice < 2; ++twice)
                    for (int d = 0; d < 3; ++d)
                        channel.second->values.push_back(static_cast<float>((*channel.first)[d]));
            }
        }
        vertexBase += static_cast<size_t>(std::max(nv, 0));
        varyingBase += varyingCount;
        uniformBase += static_cast<size_t>(pieces);
    }
    return mesh;
}

}  // namespace glimpse
}  // namespace quillet
