#include "format/Matrix.h"

#include <utility>

namespace quillet {

Mat4 Mat4::operator*(const Mat4 &o) const {
    Mat4 r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            double s = 0;
            for (int k = 0; k < 4; ++k) s += m[i][k] * o.m[k][j];
            r.m[i][j] = s;
        }
    return r;
}

Vec3 Mat4::point(const Vec3 &p) const {
    return {m[0][0] * p.x + m[0][1] * p.y + m[0][2] * p.z + m[0][3],
            m[1][0] * p.x + m[1][1] * p.y + m[1][2] * p.z + m[1][3],
            m[2][0] * p.x + m[2][1] * p.y + m[2][2] * p.z + m[2][3]};
}

Vec3 Mat4::vector(const Vec3 &v) const {
    return {m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z, m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z,
            m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z};
}

Vec3 Mat4::transposedVector(const Vec3 &n) const {
    return {m[0][0] * n.x + m[1][0] * n.y + m[2][0] * n.z, m[0][1] * n.x + m[1][1] * n.y + m[2][1] * n.z,
            m[0][2] * n.x + m[1][2] * n.y + m[2][2] * n.z};
}

bool Mat4::inverse(Mat4 &out) const {
    double a[4][8];
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            a[i][j] = m[i][j];
            a[i][j + 4] = i == j ? 1 : 0;
        }
    for (int c = 0; c < 4; ++c) {
        int pivot = c;
        for (int r = c + 1; r < 4; ++r)
            if (std::fabs(a[r][c]) > std::fabs(a[pivot][c])) pivot = r;
        if (std::fabs(a[pivot][c]) < 1e-12) return false;
        for (int j = 0; j < 8; ++j) std::swap(a[c][j], a[pivot][j]);
        double d = a[c][c];
        for (int j = 0; j < 8; ++j) a[c][j] /= d;
        for (int r = 0; r < 4; ++r) {
            if (r == c) continue;
            double f = a[r][c];
            for (int j = 0; j < 8; ++j) a[r][j] -= f * a[c][j];
        }
    }
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) out.m[i][j] = a[i][j + 4];
    return true;
}

Mat4 Mat4::translate(double x, double y, double z) {
    return Mat4{{{1, 0, 0, x}, {0, 1, 0, y}, {0, 0, 1, z}, {0, 0, 0, 1}}};
}

Mat4 Mat4::scale(double x, double y, double z) {
    return Mat4{{{x, 0, 0, 0}, {0, y, 0, 0}, {0, 0, z, 0}, {0, 0, 0, 1}}};
}

// Rotation by the right-hand rule about the axis: Rotate 90 0 0 1 takes +x
// to +y.
Mat4 Mat4::rotate(double degrees, const Vec3 &axis) {
    Mat4 r;
    Vec3 a = normalize(axis);
    if (length(a) == 0) return r;
    double c = std::cos(radians(degrees)), s = std::sin(radians(degrees)), t = 1 - c;
    r.m[0][0] = t * a.x * a.x + c;
    r.m[0][1] = t * a.x * a.y - s * a.z;
    r.m[0][2] = t * a.x * a.z + s * a.y;
    r.m[1][0] = t * a.x * a.y + s * a.z;
    r.m[1][1] = t * a.y * a.y + c;
    r.m[1][2] = t * a.y * a.z - s * a.x;
    r.m[2][0] = t * a.x * a.z - s * a.y;
    r.m[2][1] = t * a.y * a.z + s * a.x;
    r.m[2][2] = t * a.z * a.z + c;
    return r;
}

// Shears points along the part of a perpendicular to b, in proportion to
// their distance along b, so that b turns by the angle toward a.
Mat4 Mat4::skew(double degrees, const Vec3 &a, const Vec3 &b) {
    Mat4 r;
    Vec3 nb = normalize(b);
    Vec3 perpendicular = a - nb * dot(a, nb);
    if (length(nb) == 0 || length(perpendicular) < 1e-12) return r;
    Vec3 na = normalize(perpendicular);
    double k = std::tan(radians(degrees));
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) r.m[i][j] += k * na[i] * nb[j];
    return r;
}

Mat4 Mat4::fromRib(const double values[16]) {
    Mat4 r;
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) r.m[j][i] = values[i * 4 + j];
    return r;
}

}  // namespace quillet
