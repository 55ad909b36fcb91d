#pragma once

#include "support/Vec3.h"

#include <vector>

// Small value helpers; the game's own Vec3 functions cover the rest.
inline Vec3 vec(float x, float y, float z) {
    return Vec3{x, y, z};
}
inline Vec3 scaled(Vec3 v, float s) {
    return Vec3{v.x * s, v.y * s, v.z * s};
}
inline float dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

struct Triangle {
    int a = 0, b = 0, c = 0;
};

// One mesh object in the game's y-up frame. Triangles run counter-clockwise
// seen from outside, so (b - a) x (c - a) points away from the solid.
struct Mesh {
    std::vector<Vec3> vertices;
    std::vector<Triangle> triangles;

    int addVertex(Vec3 v);
    void addTriangle(Vec3 p, Vec3 q, Vec3 r);
};

// An affine placement: p' = m * p + offset. Built from turns about y (in the
// sense of glRotatef), mirrors and scales, so sculptors can reuse a part.
struct Pose {
    float m[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    Vec3 offset;

    Vec3 apply(Vec3 p) const;
    float determinant() const;
};

Pose moved(float x, float y, float z);
Pose turnedY(float degrees);
Pose mirroredX();
Pose mirroredZ();
Pose stretched(float sx, float sy, float sz);
Pose then(const Pose& first, const Pose& second); // first, then second

// Appends src placed by pose; a mirroring pose reverses the corner order so
// the faces still wind outward.
void appendPosed(Mesh* dst, const Mesh& src, const Pose& pose);
