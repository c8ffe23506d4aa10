// Vectors and 4x4 matrices for the previewer. Matrices act on column
// vectors (p' = M p); RIB matrices, written for row vectors, are transposed
// on the way in.
#ifndef QUILLET_GLIMPSE_MATH_H
#define QUILLET_GLIMPSE_MATH_H

#include <cmath>

namespace quillet {

struct Vec3 {
    double x = 0, y = 0, z = 0;

    Vec3() = default;
    Vec3(double ax, double ay, double az) : x(ax), y(ay), z(az) {}

    Vec3 operator+(const Vec3 &o) const { return {x + o.x, y + o.y, z + o.z}; }
    Vec3 operator-(const Vec3 &o) const { return {x - o.x, y - o.y, z - o.z}; }
    Vec3 operator*(double s) const { return {x * s, y * s, z * s}; }
    Vec3 operator*(const Vec3 &o) const { return {x * o.x, y * o.y, z * o.z}; }
    Vec3 &operator+=(const Vec3 &o) {
        x += o.x;
        y += o.y;
        z += o.z;
        return *this;
    }
    double operator[](int i) const { return i == 0 ? x : i == 1 ? y : z; }
};

inline double dot(const Vec3 &a, const Vec3 &b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 cross(const Vec3 &a, const Vec3 &b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double length(const Vec3 &a) {
    return std::sqrt(dot(a, a));
}
inline Vec3 normalize(const Vec3 &a) {
    double l = length(a);
    return l > 0 ? a * (1 / l) : a;
}

struct Mat4 {
    double m[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};

    Mat4 operator*(const Mat4 &o) const;
    Vec3 point(const Vec3 &p) const;   // affine part; the projective row is ignored
    Vec3 vector(const Vec3 &v) const;  // linear part only
    // Multiplies by the transpose: the inverse matrix's transpose carries
    // normals from object to camera space.
    Vec3 transposedVector(const Vec3 &n) const;
    // False when the matrix cannot be inverted.
    bool inverse(Mat4 &out) const;

    static Mat4 translate(double x, double y, double z);
    static Mat4 scale(double x, double y, double z);
    static Mat4 rotate(double degrees, const Vec3 &axis);
    static Mat4 skew(double degrees, const Vec3 &a, const Vec3 &b);
    // A RIB matrix: 16 values in row-vector order.
    static Mat4 fromRib(const double values[16]);
};

constexpr double kPi = 3.14159265358979323846;
inline double radians(double degrees) {
    return degrees * kPi / 180;
}

}  // namespace quillet

#endif
