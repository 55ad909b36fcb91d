#include "support/Vec3.h"

#include <cmath>

static_assert(sizeof(Vec3) == 3 * sizeof(float), "Vec3 is passed as a run of three floats");

Vec3 subtract(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

Vec3 add(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

Vec3 divide(Vec3 a, float s) {
    return {a.x / s, a.y / s, a.z / s};
}

Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vec3 normalized(Vec3 a) {
    float len = std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
    return {a.x / len, a.y / len, a.z / len};
}

void subtractInto(const Vec3* a, Vec3* b) {
    b->x -= a->x;
    b->y -= a->y;
    b->z -= a->z;
}

void addInto(const Vec3* a, Vec3* b) {
    b->x += a->x;
    b->y += a->y;
    b->z += a->z;
}

void crossInto(Vec3* a, const Vec3* b) {
    // All three from the old a: a may alias b.
    Vec3 old = *a;
    Vec3 in = *b;
    *a = cross(old, in);
}

void normalize(Vec3* v) {
    float len = std::sqrt(v->x * v->x + v->y * v->y + v->z * v->z);
    if (len == 0.0f)
        return;
    v->x /= len;
    v->y /= len;
    v->z /= len;
}

void setLength(Vec3* v, float s) {
    float len = std::sqrt(v->x * v->x + v->y * v->y + v->z * v->z);
    if (len == 0.0f)
        return;
    v->x = v->x / len * s;
    v->y = v->y / len * s;
    v->z = v->z / len * s;
}

float dotN(const float* a, const float* b, int n) {
    float sum = 0.0f;
    for (int i = 0; i < n; ++i)
        sum += a[i] * b[i];
    return sum;
}

float lengthN(const float* a, int n) {
    return std::sqrt(dotN(a, a, n));
}

float length3(Vec3 v) {
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

float angleToXAxis(Vec3 v) {
    return std::acos(v.x / length3(v));
}

float radToDeg(float r) {
    return (r * 180.0f) / PI;
}

float degToRad(float d) {
    return (d * PI) / 180.0f;
}

float absValue(float x) {
    return x > 0 ? x : x * -1.0f;
}

void sinCosDeg(float* sinCos, float degrees) {
    float rad = degToRad(degrees);
    sinCos[0] = std::sin(rad);
    sinCos[1] = std::cos(rad);
}
