#include "tools/art/models/Mesh.h"

#include <cmath>

int Mesh::addVertex(Vec3 v) {
    vertices.push_back(v);
    return static_cast<int>(vertices.size()) - 1;
}

void Mesh::addTriangle(Vec3 p, Vec3 q, Vec3 r) {
    Triangle t;
    t.a = addVertex(p);
    t.b = addVertex(q);
    t.c = addVertex(r);
    triangles.push_back(t);
}

Vec3 Pose::apply(Vec3 p) const {
    return vec(m[0][0] * p.x + m[0][1] * p.y + m[0][2] * p.z + offset.x,
               m[1][0] * p.x + m[1][1] * p.y + m[1][2] * p.z + offset.y,
               m[2][0] * p.x + m[2][1] * p.y + m[2][2] * p.z + offset.z);
}

float Pose::determinant() const {
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
           m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
           m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

Pose moved(float x, float y, float z) {
    Pose p;
    p.offset = vec(x, y, z);
    return p;
}

Pose turnedY(float degrees) {
    // Exact quarter turns keep the written coordinates free of rounding noise.
    double r = degrees * 3.14159265358979323846 / 180.0;
    float c = static_cast<float>(std::cos(r));
    float s = static_cast<float>(std::sin(r));
    if (std::fabs(c) < 1e-6f)
        c = 0;
    if (std::fabs(s) < 1e-6f)
        s = 0;
    Pose p;
    p.m[0][0] = c;
    p.m[0][2] = s;
    p.m[2][0] = -s;
    p.m[2][2] = c;
    return p;
}

Pose mirroredX() {
    return stretched(-1, 1, 1);
}
Pose mirroredZ() {
    return stretched(1, 1, -1);
}

Pose stretched(float sx, float sy, float sz) {
    Pose p;
    p.m[0][0] = sx;
    p.m[1][1] = sy;
    p.m[2][2] = sz;
    return p;
}

Pose then(const Pose& first, const Pose& second) {
    Pose r;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) {
            float sum = 0;
            for (int k = 0; k < 3; ++k)
                sum += second.m[i][k] * first.m[k][j];
            r.m[i][j] = sum;
        }
    Vec3 o = second.apply(first.offset);
    r.offset = o;
    return r;
}

void appendPosed(Mesh* dst, const Mesh& src, const Pose& pose) {
    int base = static_cast<int>(dst->vertices.size());
    for (const Vec3& v : src.vertices)
        dst->vertices.push_back(pose.apply(v));
    bool mirrors = pose.determinant() < 0;
    for (Triangle t : src.triangles) {
        Triangle n{t.a + base, t.b + base, t.c + base};
        if (mirrors)
            n = Triangle{t.a + base, t.c + base, t.b + base};
        dst->triangles.push_back(n);
    }
}
