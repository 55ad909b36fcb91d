// The game's icon: kart 1 from the side, driving right, outlined like the
// cel-shaded karts so it holds together on light and dark desktops alike.
#include "Paintings.h"
#include "Shape.h"

#include <algorithm>
#include <vector>

namespace {

// Drawn in a 64-unit square whatever the size in pixels.
constexpr Space ICON_SPACE{64, 64};
const Rgba TYRE_LIGHT = hexColour(0x44445A), TYRE_DEEP = hexColour(0x16161E);
const Rgba SUIT_LIGHT = hexColour(0xFFE27A), SUIT_DEEP = hexColour(0xE0A01E);
const Rgba GOLD = hexColour(0xFFC42E);
constexpr Point REAR{17, 42}, FRONT{50, 44};
constexpr Point HELMET{26, 16};
constexpr float REAR_RADIUS = 10.5f, FRONT_RADIUS = 8.5f, HELMET_RADIUS = 8.5f;

struct Part {
    Shape shape;
    Rgba light, deep; // a top-to-bottom gradient over the part's own height
    bool outlined;    // trim painted onto another part has no outline of its own
};

// Back to front. Outlined parts grow by `grow` units, so the same call gives
// the outline; small icons leave out the arm, the steering wheel and the stripe.
std::vector<Part> kartParts(float grow, bool detailed) {
    std::vector<Part> parts;
    auto add = [&](Shape shape, Rgba light, Rgba deep) {
        parts.push_back({std::move(shape), light, deep, true});
    };
    auto trim = [&](Shape shape, Rgba colour) {
        if (grow == 0)
            parts.push_back({std::move(shape), colour, colour, false});
    };
    // Side pod: high behind the seat, a dip at the cockpit, a long low nose.
    add(polygon({{4 - grow, 34 - grow},
                 {10, 30 - grow},
                 {22, 29 - grow},
                 {30, 34 - grow},
                 {46, 33 - grow},
                 {61 + grow, 39},
                 {61 + grow, 46 + grow},
                 {4 - grow, 46 + grow}}),
        hexColour(0x9FD8FF), hexColour(0x2A63E8));
    if (detailed)
        trim(stroke({8, 39}, {57, 42}, 1.3f), hexColour(0xFFFFFF));
    // The wheels stand clear of the body, as on a real kart.
    add(circle(REAR, REAR_RADIUS + grow), TYRE_LIGHT, TYRE_DEEP);
    trim(circle(REAR, 4.2f), GOLD);
    add(circle(FRONT, FRONT_RADIUS + grow), TYRE_LIGHT, TYRE_DEEP);
    trim(circle(FRONT, 3.6f), GOLD);
    // The driver: yellow suit, red helmet, dark visor.
    add(roundedRectangle({20 - grow, 22 - grow, 32 + grow, 34 + grow}, 4 + grow), SUIT_LIGHT,
        SUIT_DEEP);
    add(circle(HELMET, HELMET_RADIUS + grow), hexColour(0xFF8A6A), hexColour(0xD8281E));
    trim(intersect(circle(HELMET, HELMET_RADIUS), rectangle({27, 12.5f, 36, 18.5f})), INK);
    if (detailed) {
        add(stroke({30, 27}, {38, 26}, 1.8f + grow), SUIT_LIGHT, SUIT_DEEP);
        add(stroke({38, 22}, {39.5f, 30}, 1.4f + grow), TYRE_LIGHT, TYRE_DEEP);
    }
    return parts;
}

void paintPart(Canvas& canvas, const Part& part) {
    const float top = part.shape.bounds.y0, height = part.shape.bounds.y1 - top;
    paint(canvas, ICON_SPACE, part.shape, [&](Point p) {
        return mixColours(part.light, part.deep, std::clamp((p.y - top) / height, 0.0f, 1.0f));
    });
}

} // namespace

Canvas paintKartIcon(int size) {
    Canvas canvas = Canvas::blank(size, size);
    // Clear pixels stay clear black: an icon is never filtered as a texture.
    canvas.hiddenColour = Rgba{};
    const bool detailed = size >= 32;
    // At least a pixel of outline, however small the icon.
    const float outline = std::max(1.8f, 1.1f * ICON_SPACE.width / size);

    paint(canvas, ICON_SPACE, ellipse({33, 53}, 28, 3.2f), hexColour(0x000000, 0.3f));
    for (const Part& part : kartParts(outline, detailed))
        paint(canvas, ICON_SPACE, part.shape, INK);
    for (const Part& part : kartParts(0, detailed))
        paintPart(canvas, part);
    return canvas;
}
