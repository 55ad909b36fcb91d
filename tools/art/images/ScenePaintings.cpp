// The background hills, the tower on the horizon and the two pictures in the
// arena: the church front and the bicycle.
#include "Noise.h"
#include "Paintings.h"
#include "Shape.h"
#include "support/Angles.h"

#include <algorithm>
#include <cmath>

namespace {

// Height of the hill line, 0 at the band's foot and 1 at its top; whole
// periods across the width so the band repeats without a seam.
float hillLine(float s) {
    float w = s * TWO_PI;
    return 0.56f + 0.22f * std::sin(2 * w + 0.6f) + 0.12f * std::sin(3 * w + 2.1f) +
           0.05f * std::sin(7 * w + 0.3f);
}

} // namespace

Canvas paintHills() {
    // White, because the game colours each band itself; a lighter crest and a
    // few round trees on top give the flat bands some shape.
    constexpr int WIDTH = 512;
    constexpr int HEIGHT = 64;
    Canvas canvas = Canvas::blank(WIDTH, HEIGHT);
    const Space space{WIDTH, HEIGHT};
    Rng rng(0x4111);
    struct Tree {
        float x, radius;
    };
    std::vector<Tree> trees;
    for (int i = 0; i < 14; ++i)
        trees.push_back({rng.uniform() * WIDTH, rng.between(4.0f, 7.0f)});
    auto groundAt = [&](float x) {
        return HEIGHT * (1 - hillLine(std::fmod(x + WIDTH, WIDTH) / WIDTH));
    };
    auto inHill = [&](Point p, float drop) {
        if (p.y < 2) // keep the top rows clear for the alpha test
            return false;
        if (p.y >= groundAt(p.x) + drop)
            return true;
        for (const Tree& tree : trees)
            for (float shift : {-static_cast<float>(WIDTH), 0.0f, static_cast<float>(WIDTH)}) {
                float tx = tree.x + shift;
                float dx = p.x - tx;
                float dy = p.y - (groundAt(tree.x) + drop - tree.radius * 0.6f);
                if (dx * dx + dy * dy <= tree.radius * tree.radius)
                    return true;
            }
        return false;
    };
    Shape crest{[&](Point p) { return inHill(p, 0); }, {0, 0, WIDTH, HEIGHT}};
    Shape body{[&](Point p) { return inHill(p, 3); }, {0, 0, WIDTH, HEIGHT}};
    paint(canvas, space, crest, hexColour(0xFFFFFF));
    paint(canvas, space, body, hexColour(0xD8D8D8));
    return canvas;
}

Canvas paintTower() {
    // The picture stands about 22 wide and 50 high on the horizon.
    const Space space{22.4f, 50};
    Canvas canvas = Canvas::blank(128, 256);
    const float cx = 11.2f;
    const Rgba stone = hexColour(0xF3E3BE);
    const Rgba stoneShade = hexColour(0xD9C28F);
    const Rgba outline = hexColour(0x4A3A2A);
    const Rgba roof = hexColour(0xD8453A);
    const Rgba roofShade = hexColour(0xA93229);
    const Rgba window = hexColour(0x33406E);
    auto shaded = [&](Rgba lit, Rgba shade) {
        return [=](Point p) { return p.x > cx + 1.2f ? shade : lit; };
    };
    // Body, a little wider at the foot, then a gallery and the lantern storey.
    paint(canvas, space,
          polygon({{cx - 5.2f, 50}, {cx - 4.2f, 19}, {cx + 4.2f, 19}, {cx + 5.2f, 50}}), outline);
    paint(canvas, space,
          polygon({{cx - 4.7f, 50}, {cx - 3.8f, 19.5f}, {cx + 3.8f, 19.5f}, {cx + 4.7f, 50}}),
          shaded(stone, stoneShade));
    paint(canvas, space, roundedRectangle({cx - 5.6f, 17.2f, cx + 5.6f, 20.2f}, 0.6f), outline);
    paint(canvas, space, roundedRectangle({cx - 5.1f, 17.7f, cx + 5.1f, 19.7f}, 0.4f),
          shaded(stone, stoneShade));
    paint(canvas, space, rectangle({cx - 3.6f, 10.5f, cx + 3.6f, 17.6f}), outline);
    paint(canvas, space, rectangle({cx - 3.1f, 11, cx + 3.1f, 17.6f}), shaded(stone, stoneShade));
    // Clock face and windows.
    paint(canvas, space, circle({cx, 25}, 2.6f), outline);
    paint(canvas, space, circle({cx, 25}, 2.1f), hexColour(0xFFFFFF));
    paint(canvas, space, stroke({cx, 25}, {cx, 23.4f}, 0.22f), outline);
    paint(canvas, space, stroke({cx, 25}, {cx + 1.2f, 25.5f}, 0.22f), outline);
    for (float y : {32.0f, 40.0f})
        paint(canvas, space,
              unite(rectangle({cx - 1.1f, y, cx + 1.1f, y + 3.2f}), circle({cx, y}, 1.1f)), window);
    paint(canvas, space, unite(rectangle({cx - 1.5f, 46, cx + 1.5f, 50}), circle({cx, 46}, 1.5f)),
          hexColour(0x7A4A2A));
    for (float x : {cx - 1.7f, cx + 1.7f})
        paint(canvas, space,
              unite(rectangle({x - 0.8f, 13, x + 0.8f, 16.5f}), circle({x, 13}, 0.8f)), window);
    // Pointed roof with its flag.
    paint(canvas, space, polygon({{cx, 2.2f}, {cx + 5, 11.2f}, {cx - 5, 11.2f}}), outline);
    paint(canvas, space, polygon({{cx, 3.4f}, {cx + 4.2f, 10.7f}, {cx - 4.2f, 10.7f}}),
          shaded(roof, roofShade));
    paint(canvas, space, rectangle({cx - 0.18f, 0.3f, cx + 0.18f, 3.2f}), outline);
    paint(canvas, space, polygon({{cx + 0.18f, 0.4f}, {cx + 3.4f, 1.2f}, {cx + 0.18f, 2.0f}}),
          hexColour(0xFFD23A));
    return canvas;
}

Canvas paintChurch() {
    // The front of the landmark church, 25 wide and 22 high.
    const Space space{25, 22};
    Canvas canvas = Canvas::blank(256, 256);
    const float cx = 12.5f;
    const Rgba wall = hexColour(0xFBEBCF);
    const Rgba trim = hexColour(0xC99A5E);
    const Rgba outline = hexColour(0x5A3A24);
    const Rgba roof = hexColour(0xC2473A);
    const Rgba glassBlue = hexColour(0x3F7FD0);
    const Rgba glassGold = hexColour(0xFFD34A);
    // Side aisles with lean-to roofs.
    for (float side : {-1.0f, 1.0f}) {
        float inner = cx + side * 5.5f;
        float outer = cx + side * 11.8f;
        paint(canvas, space, polygon({{inner, 9.5f}, {outer, 13.5f}, {outer, 22}, {inner, 22}}),
              outline);
        paint(canvas, space,
              polygon({{inner, 10.6f},
                       {outer - side * 0.6f, 14.2f},
                       {outer - side * 0.6f, 22},
                       {inner, 22}}),
              wall);
        paint(canvas, space,
              polygon({{inner, 9.5f}, {outer, 13.5f}, {outer, 14.5f}, {inner, 10.5f}}), roof);
        float wx = cx + side * 8.7f;
        paint(canvas, space, unite(rectangle({wx - 1, 16, wx + 1, 20}), circle({wx, 16}, 1)),
              outline);
        paint(canvas, space,
              unite(rectangle({wx - 0.65f, 16, wx + 0.65f, 19.7f}), circle({wx, 16}, 0.65f)),
              glassBlue);
    }
    // Nave front with its gable and a small bell cote.
    paint(canvas, space,
          polygon(
              {{cx - 6.3f, 22}, {cx - 6.3f, 8.2f}, {cx, 2.6f}, {cx + 6.3f, 8.2f}, {cx + 6.3f, 22}}),
          outline);
    paint(canvas, space,
          polygon(
              {{cx - 5.6f, 22}, {cx - 5.6f, 8.6f}, {cx, 3.6f}, {cx + 5.6f, 8.6f}, {cx + 5.6f, 22}}),
          wall);
    paint(canvas, space,
          polygon({{cx - 6.3f, 8.2f},
                   {cx, 2.6f},
                   {cx + 6.3f, 8.2f},
                   {cx + 5.6f, 8.9f},
                   {cx, 3.9f},
                   {cx - 5.6f, 8.9f}}),
          roof);
    paint(canvas, space, rectangle({cx - 1.2f, 0.9f, cx + 1.2f, 3.8f}), outline);
    paint(canvas, space, rectangle({cx - 0.8f, 1.3f, cx + 0.8f, 3.8f}), trim);
    paint(canvas, space, circle({cx, 2.6f}, 0.45f), glassGold);
    paint(canvas, space, rectangle({cx - 0.15f, 0.2f, cx + 0.15f, 1.0f}), outline);
    paint(canvas, space, rectangle({cx - 0.5f, 0.4f, cx + 0.5f, 0.7f}), outline);
    // Rose window.
    const Point rose{cx, 10.2f};
    paint(canvas, space, circle(rose, 2.7f), outline);
    paint(canvas, space, circle(rose, 2.3f), glassBlue);
    for (int petal = 0; petal < 8; ++petal) {
        float a = petal * 6.2831853f / 8;
        paint(canvas, space,
              circle({rose.x + 1.35f * std::cos(a), rose.y + 1.35f * std::sin(a)}, 0.55f),
              glassGold);
    }
    paint(canvas, space, circle(rose, 0.7f), hexColour(0xE8452F));
    // Arched door with steps.
    paint(canvas, space,
          unite(rectangle({cx - 2.6f, 16.2f, cx + 2.6f, 22}), circle({cx, 16.2f}, 2.6f)), trim);
    paint(canvas, space, unite(rectangle({cx - 2, 16.2f, cx + 2, 22}), circle({cx, 16.2f}, 2)),
          hexColour(0x7B4A2A));
    paint(canvas, space, rectangle({cx - 0.12f, 14.4f, cx + 0.12f, 22}), outline);
    paint(canvas, space, rectangle({cx - 3.4f, 21.3f, cx + 3.4f, 22}), hexColour(0xB9B1A4));
    canvas.flipColumns(); // seen from the field the quad maps s = 0 to the right
    return canvas;
}

Canvas paintBike() {
    // A bicycle 3 wide and 1.5 high, leaning on the church. Lines are kept
    // thick: only nearly opaque texels pass the game's alpha test.
    const Space space{3, 1.5f};
    Canvas canvas = Canvas::blank(256, 128);
    const Point rearAxle{0.62f, 1.02f};
    const Point frontAxle{2.36f, 1.02f};
    const Point crank{1.38f, 1.06f};
    const Point seatTop{1.16f, 0.5f};
    const Point headTop{2.04f, 0.48f};
    const Point headBottom{2.1f, 0.64f};
    const Rgba tyre = hexColour(0x202020);
    const Rgba metal = hexColour(0xB8C0C8);
    const Rgba frame = hexColour(0xE8382E);
    for (Point axle : {rearAxle, frontAxle}) {
        paint(canvas, space, ring(axle, 0.36f, 0.46f), tyre);
        paint(canvas, space, ring(axle, 0.33f, 0.37f), metal);
        for (int spoke = 0; spoke < 6; ++spoke) {
            float a = spoke * 3.14159265f / 6;
            Point d{0.34f * std::cos(a), 0.34f * std::sin(a)};
            paint(canvas, space,
                  stroke({axle.x - d.x, axle.y - d.y}, {axle.x + d.x, axle.y + d.y}, 0.013f),
                  metal);
        }
        paint(canvas, space, circle(axle, 0.05f), metal);
    }
    const float tube = 0.035f;
    paint(canvas, space, stroke(rearAxle, crank, tube), frame);
    paint(canvas, space, stroke(rearAxle, seatTop, tube), frame);
    paint(canvas, space, stroke(seatTop, crank, tube), frame);
    paint(canvas, space, stroke(seatTop, headTop, tube), frame);
    paint(canvas, space, stroke(crank, headBottom, tube), frame);
    paint(canvas, space, stroke(headTop, frontAxle, tube), frame);
    // Saddle, handlebar, crank and pedal.
    paint(canvas, space, stroke(seatTop, {1.12f, 0.36f}, 0.022f), metal);
    paint(canvas, space, roundedRectangle({0.94f, 0.3f, 1.3f, 0.39f}, 0.04f), tyre);
    paint(canvas, space, stroke(headTop, {1.98f, 0.32f}, 0.022f), metal);
    paint(canvas, space, stroke({1.98f, 0.32f}, {1.82f, 0.3f}, 0.025f), metal);
    paint(canvas, space, stroke({1.82f, 0.3f}, {1.74f, 0.34f}, 0.03f), tyre);
    paint(canvas, space, circle(crank, 0.1f), metal);
    paint(canvas, space, stroke(crank, {1.5f, 1.22f}, 0.022f), metal);
    paint(canvas, space, rectangle({1.43f, 1.2f, 1.6f, 1.26f}), tyre);
    // A wicker basket on the front.
    paint(canvas, space, polygon({{2.1f, 0.38f}, {2.48f, 0.38f}, {2.42f, 0.62f}, {2.14f, 0.62f}}),
          hexColour(0x8A5A28));
    paint(canvas, space, polygon({{2.14f, 0.42f}, {2.44f, 0.42f}, {2.39f, 0.58f}, {2.17f, 0.58f}}),
          hexColour(0xE0AE62));
    return canvas;
}
