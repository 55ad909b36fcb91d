#include "tools/art/models/Shapes.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double TAU = 6.283185307179586;
constexpr float SAME_POINT = 1e-5f;

Vec3 centroidOf(const Ring& points) {
    Vec3 sum;
    for (const Vec3& p : points)
        sum = add(sum, p);
    return divide(sum, static_cast<float>(points.size()));
}

// Newell's normal: robust for any planar polygon, whatever its winding.
Vec3 polygonNormal(const Ring& pts) {
    Vec3 n;
    for (size_t i = 0; i < pts.size(); ++i) {
        const Vec3& a = pts[i];
        const Vec3& b = pts[(i + 1) % pts.size()];
        n.x += (a.y - b.y) * (a.z + b.z);
        n.y += (a.z - b.z) * (a.x + b.x);
        n.z += (a.x - b.x) * (a.y + b.y);
    }
    return n;
}

Ring withoutRepeats(const Ring& corners) {
    Ring out;
    for (const Vec3& p : corners)
        if (out.empty() || length3(subtract(p, out.back())) > SAME_POINT)
            out.push_back(p);
    while (out.size() > 1 && length3(subtract(out.front(), out.back())) <= SAME_POINT)
        out.pop_back();
    return out;
}

void addFaceAwayFrom(Mesh* mesh, const Ring& corners, Vec3 inside) {
    addFace(mesh, corners, subtract(centroidOf(corners), inside));
}

} // namespace

void addFace(Mesh* mesh, const Ring& corners, Vec3 outward) {
    Ring pts = withoutRepeats(corners);
    if (pts.size() < 3)
        return;
    if (dot(polygonNormal(pts), outward) < 0)
        std::reverse(pts.begin(), pts.end());
    for (size_t i = 1; i + 1 < pts.size(); ++i)
        mesh->addTriangle(pts[0], pts[i], pts[i + 1]);
}

void addBox(Mesh* mesh, Vec3 lo, Vec3 hi, unsigned sides) {
    auto corner = [&](int i, int j, int k) {
        return vec(i ? hi.x : lo.x, j ? hi.y : lo.y, k ? hi.z : lo.z);
    };
    if (sides & SIDE_WEST)
        addFace(mesh, {corner(0, 0, 0), corner(0, 1, 0), corner(0, 1, 1), corner(0, 0, 1)},
                vec(-1, 0, 0));
    if (sides & SIDE_EAST)
        addFace(mesh, {corner(1, 0, 0), corner(1, 1, 0), corner(1, 1, 1), corner(1, 0, 1)},
                vec(1, 0, 0));
    if (sides & SIDE_BOTTOM)
        addFace(mesh, {corner(0, 0, 0), corner(1, 0, 0), corner(1, 0, 1), corner(0, 0, 1)},
                vec(0, -1, 0));
    if (sides & SIDE_TOP)
        addFace(mesh, {corner(0, 1, 0), corner(1, 1, 0), corner(1, 1, 1), corner(0, 1, 1)},
                vec(0, 1, 0));
    if (sides & SIDE_BACK)
        addFace(mesh, {corner(0, 0, 0), corner(1, 0, 0), corner(1, 1, 0), corner(0, 1, 0)},
                vec(0, 0, -1));
    if (sides & SIDE_FRONT)
        addFace(mesh, {corner(0, 0, 1), corner(1, 0, 1), corner(1, 1, 1), corner(0, 1, 1)},
                vec(0, 0, 1));
}

Ring ringXZ(float cx, float y, float cz, float rx, float rz, int segments, float phaseDegrees) {
    Ring ring;
    for (int i = 0; i < segments; ++i) {
        double a = phaseDegrees * TAU / 360.0 + TAU * i / segments;
        ring.push_back(vec(cx + rx * static_cast<float>(std::cos(a)), y,
                           cz - rz * static_cast<float>(std::sin(a))));
    }
    return ring;
}

void addPrism(Mesh* mesh, const Ring& lower, const Ring& upper, bool bottomCap, bool topCap) {
    Ring all = lower;
    all.insert(all.end(), upper.begin(), upper.end());
    Vec3 inside = centroidOf(all);
    size_t n = lower.size();
    for (size_t i = 0; i < n; ++i) {
        size_t j = (i + 1) % n;
        addFaceAwayFrom(mesh, {lower[i], lower[j], upper[j], upper[i]}, inside);
    }
    if (bottomCap)
        addFace(mesh, lower, vec(0, -1, 0));
    if (topCap)
        addFace(mesh, upper, vec(0, 1, 0));
}

void addPyramid(Mesh* mesh, const Ring& base, Vec3 apex, bool baseCap) {
    Vec3 middle = centroidOf(base);
    Vec3 inside = add(middle, scaled(subtract(apex, middle), 0.25f));
    for (size_t i = 0; i < base.size(); ++i)
        addFaceAwayFrom(mesh, {base[i], base[(i + 1) % base.size()], apex}, inside);
    if (baseCap)
        addFace(mesh, base, subtract(middle, apex));
}

void addGableRoof(Mesh* mesh, float x0, float x1, float zFront, float zBack, float yEave,
                  float yRidge, bool gableEnds) {
    float zRidge = (zFront + zBack) / 2;
    Vec3 inside = vec((x0 + x1) / 2, (2 * yEave + yRidge) / 3, zRidge);
    addFaceAwayFrom(mesh,
                    {vec(x0, yEave, zFront), vec(x1, yEave, zFront), vec(x1, yRidge, zRidge),
                     vec(x0, yRidge, zRidge)},
                    inside);
    addFaceAwayFrom(mesh,
                    {vec(x0, yEave, zBack), vec(x1, yEave, zBack), vec(x1, yRidge, zRidge),
                     vec(x0, yRidge, zRidge)},
                    inside);
    if (!gableEnds)
        return;
    for (float x : {x0, x1})
        addFaceAwayFrom(mesh, {vec(x, yEave, zFront), vec(x, yEave, zBack), vec(x, yRidge, zRidge)},
                        inside);
}

void addHipRoof(Mesh* mesh, float x0, float x1, float z0, float z1, float yEave, float yTop) {
    float w = x1 - x0, d = z1 - z0;
    float inset = std::min(w, d) / 2;
    float cx = (x0 + x1) / 2, cz = (z0 + z1) / 2;
    // The ridge ends, equal when the plan is square.
    Vec3 r0 = w >= d ? vec(x0 + inset, yTop, cz) : vec(cx, yTop, z0 + inset);
    Vec3 r1 = w >= d ? vec(x1 - inset, yTop, cz) : vec(cx, yTop, z1 - inset);
    Vec3 inside = vec(cx, yEave + (yTop - yEave) / 4, cz);
    Vec3 c00 = vec(x0, yEave, z0), c10 = vec(x1, yEave, z0);
    Vec3 c11 = vec(x1, yEave, z1), c01 = vec(x0, yEave, z1);
    if (w >= d) {
        addFaceAwayFrom(mesh, {c00, c10, r1, r0}, inside);
        addFaceAwayFrom(mesh, {c01, c11, r1, r0}, inside);
        addFaceAwayFrom(mesh, {c00, c01, r0}, inside);
        addFaceAwayFrom(mesh, {c10, c11, r1}, inside);
    } else {
        addFaceAwayFrom(mesh, {c00, c01, r1, r0}, inside);
        addFaceAwayFrom(mesh, {c10, c11, r1, r0}, inside);
        addFaceAwayFrom(mesh, {c00, c10, r0}, inside);
        addFaceAwayFrom(mesh, {c01, c11, r1}, inside);
    }
}

void addArchBay(Mesh* front, Mesh* back, Mesh* soffit, const ArchBay& bay) {
    float half = bay.width / 2;
    float xc = bay.x0 + half;
    float r = std::min({bay.radius, half, bay.yTop - bay.ySpring});
    int n = bay.segments;
    // The arch from the left springing over the crown to the right one. The
    // wall round it is fanned from its two upper corners, which see the whole
    // half of the arch on their side.
    Ring arch;
    for (int k = 0; k <= n; ++k) {
        double a = TAU / 2 * (1.0 - static_cast<double>(k) / n);
        arch.push_back(vec(xc + r * static_cast<float>(std::cos(a)),
                           bay.ySpring + r * static_cast<float>(std::sin(a)), 0));
    }
    Vec3 bottomLeft = vec(bay.x0, bay.ySpring, 0), topLeft = vec(bay.x0, bay.yTop, 0);
    Vec3 bottomRight = vec(bay.x0 + bay.width, bay.ySpring, 0);
    Vec3 topRight = vec(bay.x0 + bay.width, bay.yTop, 0);
    std::vector<Ring> wall;
    int middle = n / 2;
    wall.push_back({topLeft, bottomLeft, arch[0]});
    for (int k = 0; k < middle; ++k)
        wall.push_back({topLeft, arch[k], arch[k + 1]});
    wall.push_back({topLeft, arch[middle], topRight});
    for (int k = middle; k < n; ++k)
        wall.push_back({topRight, arch[k], arch[k + 1]});
    wall.push_back({topRight, arch[n], bottomRight});

    auto at = [](Vec3 p, float z) { return vec(p.x, p.y, z); };
    for (const Ring& tri : wall) {
        Ring f, b;
        for (const Vec3& p : tri) {
            f.push_back(at(p, bay.zFront));
            b.push_back(at(p, bay.zBack));
        }
        addFace(front, f, vec(0, 0, 1));
        addFace(back, b, vec(0, 0, -1));
    }
    Vec3 axis = vec(xc, bay.ySpring, (bay.zFront + bay.zBack) / 2);
    for (int k = 0; k < n; ++k) {
        Ring under = {at(arch[k], bay.zFront), at(arch[k + 1], bay.zFront),
                      at(arch[k + 1], bay.zBack), at(arch[k], bay.zBack)};
        addFace(soffit, under, subtract(axis, centroidOf(under)));
    }
}

void addExtrusion(Mesh* mesh, const Ring& profile, Vec3 step) {
    Ring far;
    for (const Vec3& p : profile)
        far.push_back(add(p, step));
    Vec3 inside = add(centroidOf(profile), scaled(step, 0.5f));
    for (size_t i = 0; i < profile.size(); ++i) {
        size_t j = (i + 1) % profile.size();
        addFaceAwayFrom(mesh, {profile[i], profile[j], far[j], far[i]}, inside);
    }
    addFace(mesh, profile, scaled(step, -1));
    addFace(mesh, far, step);
}

void addTorus(Mesh* mesh, float majorRadius, float minorRadius, int majorSegments,
              int minorSegments) {
    auto point = [&](int i, int j) {
        double u = TAU * i / majorSegments, v = TAU * j / minorSegments;
        float r = majorRadius + minorRadius * static_cast<float>(std::cos(v));
        return vec(r * static_cast<float>(std::cos(u)), r * static_cast<float>(std::sin(u)),
                   minorRadius * static_cast<float>(std::sin(v)));
    };
    for (int i = 0; i < majorSegments; ++i) {
        double u = TAU * (i + 0.5) / majorSegments;
        Vec3 core = vec(majorRadius * static_cast<float>(std::cos(u)),
                        majorRadius * static_cast<float>(std::sin(u)), 0);
        for (int j = 0; j < minorSegments; ++j)
            addFaceAwayFrom(
                mesh, {point(i, j), point(i + 1, j), point(i + 1, j + 1), point(i, j + 1)}, core);
    }
}

void addLoft(Mesh* mesh, const std::vector<Ring>& sections) {
    for (size_t s = 0; s + 1 < sections.size(); ++s) {
        const Ring& a = sections[s];
        const Ring& b = sections[s + 1];
        Vec3 inside = scaled(add(centroidOf(a), centroidOf(b)), 0.5f);
        for (size_t i = 0; i < a.size(); ++i) {
            size_t j = (i + 1) % a.size();
            addFaceAwayFrom(mesh, {a[i], a[j], b[j], b[i]}, inside);
        }
    }
    const Ring& first = sections.front();
    const Ring& last = sections.back();
    addFace(mesh, first, subtract(centroidOf(first), centroidOf(sections[1])));
    addFace(mesh, last, subtract(centroidOf(last), centroidOf(sections[sections.size() - 2])));
}
