// Clouds and moon: flat cartoon shapes with a shaded underside.
#include "Noise.h"
#include "Paintings.h"
#include "Shape.h"

#include <cmath>

namespace {

// Cloud sprites are 200 x 50 in the world.
constexpr Space CLOUD_SPACE{200, 50};
constexpr float CLOUD_BASE = 44;

Shape cloudShape(int variant, float lift) {
    Rng rng(0xC10D0000u + static_cast<uint64_t>(variant));
    int puffs = 4 + variant;
    float left = 14 + 8 * variant, right = 186 - 6 * variant;
    Shape body = stroke({left + 6, CLOUD_BASE - 9 - lift}, {right - 6, CLOUD_BASE - 9 - lift}, 9);
    for (int i = 0; i < puffs; ++i) {
        float t = (i + 0.5f) / puffs;
        float x = left + (right - left) * t + rng.between(-6, 6);
        // Taller puffs in the middle give the classic heap.
        float middle = 1 - std::abs(2 * t - 1);
        float radius = rng.between(10, 14) + (6 + 2 * variant) * middle;
        float y = CLOUD_BASE - radius * 0.6f - lift;
        body = unite(body, circle({x, y}, radius));
    }
    return intersect(body, rectangle({0, 0, 200, CLOUD_BASE - lift}));
}

} // namespace

Canvas paintCloud(int variant) {
    Canvas canvas = Canvas::blank(256, 64);
    paint(canvas, CLOUD_SPACE, cloudShape(variant, 0), hexColour(0xC9D8EE));
    paint(canvas, CLOUD_SPACE, cloudShape(variant, 4.5f), hexColour(0xFFFFFF));
    canvas.flipColumns(); // sprites map s = 0 to the viewer's right
    return canvas;
}

Canvas paintMoon() {
    const Space space{60, 60};
    Canvas canvas = Canvas::blank(128, 128);
    const Point centre{30, 30};
    paint(canvas, space, circle(centre, 28), hexColour(0xE9D27C));
    paint(canvas, space, circle({27.5f, 27.5f}, 25), hexColour(0xFFF3BF));
    const struct {
        Point at;
        float radius;
    } craters[] = {{{21, 22}, 5}, {{35, 34}, 6.5f}, {{22, 39}, 3.5f}, {{38, 18}, 3}};
    for (const auto& crater : craters) {
        paint(canvas, space, circle(crater.at, crater.radius), hexColour(0xE6D28E));
        paint(canvas, space, circle({crater.at.x - 0.8f, crater.at.y - 0.8f}, crater.radius * 0.7f),
              hexColour(0xF0E0A4));
    }
    canvas.flipColumns();
    return canvas;
}
