// Surfaces the game repeats across large quads: every one tiles seamlessly,
// so all patterns here are periodic in the texture's own size.
#include "Noise.h"
#include "Paintings.h"
#include "Shape.h"
#include "support/Angles.h"

#include <algorithm>
#include <cmath>

namespace {

int wrapIndex(int i, int n) {
    return ((i % n) + n) % n;
}

} // namespace

Canvas paintFloor() {
    // One repeat covers about half a unit, a few per kart length: a lawn of
    // short blades that reads as grass up close and as even green far away.
    constexpr int SIZE = 64;
    Canvas canvas = Canvas::blank(SIZE, SIZE);
    const Rgba lawn = hexColour(0x5CB845);
    const TileNoise patches(4, 0xF1E1D);
    for (int y = 0; y < SIZE; ++y)
        for (int x = 0; x < SIZE; ++x) {
            float shade = 0.96f + 0.06f * patches.at(x * 4.0f / SIZE, y * 4.0f / SIZE);
            canvas.at(x, y) = scaledColour(lawn, shade);
            canvas.at(x, y).a = 1;
        }
    Rng rng(0x6A55);
    for (int blade = 0; blade < 90; ++blade) {
        int x = static_cast<int>(rng.uniform() * SIZE);
        int y = static_cast<int>(rng.uniform() * SIZE);
        int length = 3 + static_cast<int>(rng.uniform() * 4);
        int lean = rng.uniform() < 0.5f ? -1 : 1;
        Rgba colour = rng.uniform() < 0.6f ? hexColour(0x78D05A) : hexColour(0x449A34);
        for (int i = 0; i < length; ++i) {
            int px = wrapIndex(x + (i * lean) / 3, SIZE);
            int py = wrapIndex(y - i, SIZE);
            canvas.blend(px, py, colour, 0.8f);
        }
    }
    return canvas;
}

Canvas paintBrick() {
    // Four bricks a course, eight courses, in running bond. The game tints it
    // brown, so the bricks are near white and the mortar grey.
    constexpr int SIZE = 128;
    constexpr int COURSE = SIZE / 8;
    constexpr int BRICK = SIZE / 4;
    Canvas canvas = Canvas::blank(SIZE, SIZE);
    Rng rng(0xB41C);
    float tone[8][4];
    for (auto& course : tone)
        for (float& t : course)
            t = rng.between(0.82f, 1.0f);
    for (int y = 0; y < SIZE; ++y)
        for (int x = 0; x < SIZE; ++x) {
            int course = y / COURSE;
            int shift = (course % 2) * BRICK / 2;
            int along = wrapIndex(x + shift, SIZE);
            int inCourse = y % COURSE;
            int inBrick = along % BRICK;
            bool mortar =
                inCourse < 2 || inCourse == COURSE - 1 || inBrick < 2 || inBrick == BRICK - 1;
            Rgba colour;
            if (mortar) {
                colour = hexColour(0x8C8C88);
            } else {
                colour = scaledColour(hexColour(0xFFF2EA), tone[course][along / BRICK]);
                if (inCourse == 2)
                    colour = scaledColour(colour, 1.08f);
                if (inCourse == COURSE - 2)
                    colour = scaledColour(colour, 0.85f);
            }
            canvas.at(x, y) = colour;
        }
    return canvas;
}

Canvas paintArcadeTile() {
    // One repeat is about 2 x 2.3 units of arcade floor: four terracotta slabs
    // in two tones with grout between them.
    constexpr int SIZE = 128;
    constexpr int SLAB = SIZE / 2;
    Canvas canvas = Canvas::blank(SIZE, SIZE);
    const Rgba light = hexColour(0xE9B77E);
    const Rgba dark = hexColour(0xD08E5A);
    const Rgba grout = hexColour(0xF3E6CF);
    for (int y = 0; y < SIZE; ++y)
        for (int x = 0; x < SIZE; ++x) {
            int sx = x % SLAB;
            int sy = y % SLAB;
            bool joint = sx < 2 || sx >= SLAB - 2 || sy < 2 || sy >= SLAB - 2;
            bool checker = ((x / SLAB) + (y / SLAB)) % 2 == 0;
            Rgba colour = joint ? grout : (checker ? light : dark);
            // A bevel of light along the top-left of each slab.
            if (!joint && (sx < 5 || sy < 5))
                colour = scaledColour(colour, 1.07f);
            else if (!joint && (sx >= SLAB - 5 || sy >= SLAB - 5))
                colour = scaledColour(colour, 0.92f);
            canvas.at(x, y) = colour;
        }
    return canvas;
}

Canvas paintFence() {
    // Chain-link wire with clear holes: two diamonds each way per repeat.
    constexpr int SIZE = 64;
    constexpr float CELL = SIZE / 2.0f;
    Canvas canvas = Canvas::blank(SIZE, SIZE);
    const Rgba wire = hexColour(0xC9D2DA);
    const Rgba edge = hexColour(0x59636E);
    for (int y = 0; y < SIZE; ++y)
        for (int x = 0; x < SIZE; ++x) {
            float px = x + 0.5f, py = y + 0.5f;
            auto nearLine = [&](float value) {
                float m = std::fmod(value, CELL);
                if (m < 0)
                    m += CELL;
                return std::min(m, CELL - m) / std::sqrt(2.0f);
            };
            float d = std::min(nearLine(px + py), nearLine(px - py));
            float cover = std::clamp(2.6f - d, 0.0f, 1.0f);
            float core = std::clamp(1.6f - d, 0.0f, 1.0f);
            canvas.blend(x, y, edge, cover);
            canvas.blend(x, y, wire, core);
        }
    return canvas;
}

Canvas paintPlasma() {
    // Interfering waves with whole periods across the tile, through a bright palette.
    constexpr int SIZE = 128;
    Canvas canvas = Canvas::blank(SIZE, SIZE);
    const Rgba palette[] = {hexColour(0xFF3FA4), hexColour(0x7A4BFF), hexColour(0x2FD3FF),
                            hexColour(0x6CFF7A), hexColour(0xFFE23F)};
    constexpr int STOPS = 5;
    for (int y = 0; y < SIZE; ++y)
        for (int x = 0; x < SIZE; ++x) {
            float u = static_cast<float>(x) / SIZE * TWO_PI;
            float v = static_cast<float>(y) / SIZE * TWO_PI;
            float value =
                std::sin(2 * u) + std::sin(3 * v) + std::sin(u + 2 * v) + std::sin(3 * u - v);
            float t = (value / 4 + 1) / 2 * STOPS;
            float phase = t - std::floor(t);
            int a = wrapIndex(static_cast<int>(std::floor(t)), STOPS);
            canvas.at(x, y) = mixColours(palette[a], palette[(a + 1) % STOPS], phase);
        }
    return canvas;
}
