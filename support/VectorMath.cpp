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

void sinCosDeg(float* sinCos, float degrees) {
    float rad = degToRad(degrees);
    sinCos[0] = std::sin(rad);
    sinCos[1] = std::cos(rad);
}
