#pragma once

#include "support/Angles.h"

// Three floats, y up in world space. Deliberately a plain record: copied
// freely, stored in arrays, never kept normalised.
struct Vec3 {
    float x = 0, y = 0, z = 0;

    void set(float nx, float ny, float nz) {
        x = nx;
        y = ny;
        z = nz;
    }
};

// By value.
Vec3 subtract(Vec3 a, Vec3 b);
Vec3 add(Vec3 a, Vec3 b);
Vec3 divide(Vec3 a, float s);
Vec3 cross(Vec3 a, Vec3 b);

// In place.
void normalize(Vec3* v);          // a zero vector stays zero
void setLength(Vec3* v, float s); // a zero vector stays zero

// Over runs of n floats; a Vec3 is passed as its three floats.
float dotN(const float* a, const float* b, int n);
inline const float* floatsOf(const Vec3& v) {
    return &v.x;
}

float length3(Vec3 v);
float angleToXAxis(Vec3 v); // unsigned, radians in [0, pi]
float radToDeg(float r);
float degToRad(float d);
void sinCosDeg(float* sinCos, float degrees); // sinCos[0] = sin, sinCos[1] = cos
