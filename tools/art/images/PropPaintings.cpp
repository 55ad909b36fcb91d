// Billboard props and small effect sprites.
#include "Noise.h"
#include "Paintings.h"
#include "Shape.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr float PI_F = 3.14159265f;

Point onCurve(Point a, Point control, Point b, float t) {
    float u = 1 - t;
    return {u * u * a.x + 2 * u * t * control.x + t * t * b.x,
            u * u * a.y + 2 * u * t * control.y + t * t * b.y};
}

// A palm frond: a curved leaf with saw-toothed edges for the leaflets.
Shape frond(Point base, Point control, Point tip, float width) {
    constexpr int STEPS = 18;
    std::vector<Point> left, right;
    for (int i = 0; i <= STEPS; ++i) {
        float t = static_cast<float>(i) / STEPS;
        Point p = onCurve(base, control, tip, t);
        Point q = onCurve(base, control, tip, std::min(1.0f, t + 0.01f));
        if (i == STEPS)
            q = onCurve(base, control, tip, 1), p = onCurve(base, control, tip, 0.99f);
        float dx = q.x - p.x, dy = q.y - p.y;
        float length = std::sqrt(dx * dx + dy * dy);
        float nx = -dy / length, ny = dx / length;
        float w = width * std::pow(std::sin(PI_F * std::min(t, 0.98f)), 0.6f) *
                  (i % 2 == 0 ? 1.0f : 0.55f);
        left.push_back({p.x + nx * w, p.y + ny * w * 0.8f});
        right.push_back({p.x - nx * w, p.y - ny * w * 0.8f});
    }
    std::vector<Point> outline(left.begin(), left.end());
    outline.insert(outline.end(), right.rbegin(), right.rend());
    return polygon(outline);
}

} // namespace

Canvas paintParticle() {
    const Space space{1, 1};
    Canvas canvas = Canvas::blank(64, 64);
    auto puff = [](float grow, float dx, float dy) {
        Shape s = circle({0.5f + dx, 0.58f + dy}, 0.26f + grow);
        s = unite(s, circle({0.33f + dx, 0.55f + dy}, 0.18f + grow));
        s = unite(s, circle({0.67f + dx, 0.57f + dy}, 0.17f + grow));
        s = unite(s, circle({0.45f + dx, 0.38f + dy}, 0.19f + grow));
        return unite(s, circle({0.62f + dx, 0.42f + dy}, 0.14f + grow));
    };
    paint(canvas, space, puff(0.02f, 0, 0), hexColour(0xD4D4D4));
    paint(canvas, space, puff(0, -0.03f, -0.035f), hexColour(0xFFFFFF));
    return canvas;
}

Canvas paintPalmTree() {
    // The sprite is 5 wide and 15 high.
    const Space space{5, 15};
    Canvas canvas = Canvas::blank(128, 256);
    const Point crown{2.75f, 3.6f};
    // Trunk: a gentle curve, banded like real palm bark.
    std::vector<Point> left, right;
    constexpr int STEPS = 24;
    for (int i = 0; i <= STEPS; ++i) {
        float t = static_cast<float>(i) / STEPS;
        Point p = onCurve({2.3f, 15}, {2.05f, 8}, crown, t);
        float half = 0.34f - 0.14f * t;
        left.push_back({p.x - half, p.y});
        right.push_back({p.x + half, p.y});
    }
    std::vector<Point> trunk(left.begin(), left.end());
    trunk.insert(trunk.end(), right.rbegin(), right.rend());
    paint(canvas, space, polygon(trunk), [](Point p) {
        bool band = std::fmod(p.y, 0.62f) < 0.2f;
        return band ? hexColour(0x8A5A2E) : hexColour(0xB07A44);
    });
    // Coconuts under the leaves.
    paint(canvas, space, circle({2.55f, 4.0f}, 0.26f), hexColour(0x6B4222));
    paint(canvas, space, circle({2.98f, 4.05f}, 0.24f), hexColour(0x5C3818));
    // Fronds: back ones darker, front ones lighter.
    const struct {
        Point control, tip;
        float width;
        bool front;
    } fronds[] = {
        {{1.5f, 1.8f}, {0.15f, 4.6f}, 0.34f, false}, {{3.6f, 1.6f}, {4.9f, 4.2f}, 0.34f, false},
        {{2.2f, 1.2f}, {1.1f, 0.5f}, 0.3f, false},   {{3.3f, 1.1f}, {4.3f, 0.9f}, 0.3f, false},
        {{1.2f, 3.0f}, {0.35f, 6.4f}, 0.32f, true},  {{4.1f, 2.9f}, {4.8f, 6.0f}, 0.32f, true},
        {{2.2f, 2.4f}, {0.2f, 2.6f}, 0.33f, true},   {{3.5f, 2.3f}, {4.95f, 2.7f}, 0.33f, true},
        {{2.7f, 1.0f}, {2.85f, 0.25f}, 0.26f, true},
    };
    for (const auto& f : fronds) {
        Rgba dark = f.front ? hexColour(0x2E9A36) : hexColour(0x1F7A2C);
        Rgba light = f.front ? hexColour(0x5CCB4A) : hexColour(0x3FA93C);
        paint(canvas, space, frond(crown, f.control, f.tip, f.width), dark);
        paint(canvas, space, frond(crown, f.control, f.tip, f.width * 0.45f), light);
    }
    canvas.flipColumns();
    return canvas;
}

Canvas paintLamp() {
    // The sprite is 1 wide and 5 high.
    const Space space{1, 5};
    Canvas canvas = Canvas::blank(64, 256);
    const Rgba iron = hexColour(0x24483A);
    const Rgba ironLight = hexColour(0x3C6E58);
    paint(canvas, space, rectangle({0.44f, 0.95f, 0.56f, 4.7f}), iron);
    paint(canvas, space, rectangle({0.47f, 0.95f, 0.5f, 4.7f}), ironLight);
    paint(canvas, space, polygon({{0.3f, 5}, {0.36f, 4.55f}, {0.64f, 4.55f}, {0.7f, 5}}), iron);
    paint(canvas, space, rectangle({0.38f, 2.6f, 0.62f, 2.7f}), iron);
    // Lantern: frame, glowing glass, roof and knob.
    paint(canvas, space, polygon({{0.26f, 0.36f}, {0.74f, 0.36f}, {0.66f, 0.98f}, {0.34f, 0.98f}}),
          iron);
    paint(canvas, space, polygon({{0.31f, 0.42f}, {0.69f, 0.42f}, {0.62f, 0.92f}, {0.38f, 0.92f}}),
          [](Point p) {
              return mixColours(hexColour(0xFFF8D0), hexColour(0xFFC838), (p.y - 0.42f) / 0.5f);
          });
    paint(canvas, space, rectangle({0.485f, 0.42f, 0.515f, 0.92f}), iron);
    paint(canvas, space, polygon({{0.5f, 0.12f}, {0.8f, 0.38f}, {0.2f, 0.38f}}), iron);
    paint(canvas, space, circle({0.5f, 0.1f}, 0.06f), iron);
    canvas.flipColumns();
    return canvas;
}

Canvas paintBush() {
    const Space space{1, 1};
    Canvas canvas = Canvas::blank(128, 128);
    Rng rng(0xB054);
    const Point lobes[] = {
        {0.22f, 0.7f}, {0.38f, 0.5f}, {0.6f, 0.45f}, {0.78f, 0.66f}, {0.5f, 0.7f}};
    Shape outline = rectangle({0.12f, 0.72f, 0.88f, 0.94f});
    Shape body = rectangle({0.15f, 0.72f, 0.85f, 0.9f});
    for (const Point& lobe : lobes) {
        float radius = rng.between(0.17f, 0.22f);
        outline = unite(outline, circle(lobe, radius + 0.03f));
        body = unite(body, circle(lobe, radius));
    }
    outline = intersect(outline, rectangle({0, 0, 1, 0.93f}));
    body = intersect(body, rectangle({0, 0, 1, 0.9f}));
    paint(canvas, space, outline, hexColour(0x14501E));
    paint(canvas, space, body, hexColour(0x2F8F32));
    for (const Point& lobe : lobes)
        paint(canvas, space, circle({lobe.x - 0.05f, lobe.y - 0.06f}, 0.08f), hexColour(0x55B848));
    return canvas;
}

Canvas paintCoconut() {
    const Space space{1, 1};
    Canvas canvas = Canvas::blank(64, 64);
    const Point centre{0.5f, 0.55f};
    paint(canvas, space, circle(centre, 0.4f), hexColour(0x2E1A0C));
    paint(canvas, space, circle(centre, 0.35f), hexColour(0x744423));
    paint(canvas, space, subtract(circle({0.45f, 0.5f}, 0.27f), circle({0.52f, 0.57f}, 0.27f)),
          hexColour(0xA06A3A));
    const Point eyes[] = {{0.43f, 0.32f}, {0.57f, 0.32f}, {0.5f, 0.43f}};
    for (const Point& eye : eyes)
        paint(canvas, space, circle(eye, 0.045f), hexColour(0x2E1A0C));
    canvas.flipColumns();
    return canvas;
}

Canvas paintShadow() {
    // Black, fading out from a rounded patch the shape of the kart; the edge
    // texels are clear so the repeat wrap never smears the border.
    Canvas canvas = Canvas::blank(64, 64);
    for (int y = 0; y < canvas.height; ++y)
        for (int x = 0; x < canvas.width; ++x) {
            float u = (x + 0.5f) / canvas.width;
            float v = (y + 0.5f) / canvas.height;
            float dx = std::max(0.0f, std::abs(u - 0.5f) - 0.17f);
            float dy = std::max(0.0f, std::abs(v - 0.5f) - 0.17f);
            float outside = std::sqrt(dx * dx + dy * dy);
            float t = std::clamp(outside / 0.3f, 0.0f, 1.0f);
            float fade = 1 - t * t * (3 - 2 * t);
            canvas.blend(x, y, {0, 0, 0, 0.6f}, fade);
        }
    return canvas;
}

Canvas paintBrakeLight() {
    // Spans the kart's tail, about 1.4 wide and 0.4 high.
    const Space space{1.4f, 0.4f};
    Canvas canvas = Canvas::blank(128, 32);
    for (float x : {0.28f, 1.12f}) {
        paint(canvas, space, ellipse({x, 0.2f}, 0.26f, 0.19f), hexColour(0xFF3020, 0.35f));
        paint(canvas, space, roundedRectangle({x - 0.17f, 0.07f, x + 0.17f, 0.33f}, 0.08f),
              hexColour(0x5A0808));
        paint(canvas, space, roundedRectangle({x - 0.14f, 0.1f, x + 0.14f, 0.3f}, 0.06f),
              hexColour(0xFF2A1A));
        paint(canvas, space, roundedRectangle({x - 0.1f, 0.12f, x + 0.04f, 0.18f}, 0.03f),
              hexColour(0xFFB0A0));
    }
    canvas.flipRows(); // the kart maps t = 0 to the light's top edge
    return canvas;
}
