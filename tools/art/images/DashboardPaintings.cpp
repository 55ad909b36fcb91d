// Speedometer dial, needle and the digit strip of the clocks.
//
// The HUD turns the needle about different image points in its one- and
// two-player layouts; these pictures are laid out for the default two-player
// view (dial 180 x 150, needle 114 x 10 turning about its top edge at x = 70)
// and keep the needle's shaft across both pivots so the one-player view works too.
#include "Paintings.h"
#include "Shape.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr float DEG = 3.14159265f / 180;

// Dial in two-player screen units, and the point the needle turns about.
constexpr Space DIAL_SPACE{180, 150};
constexpr Point PIVOT{110, 95};
// The needle sweeps from -30 degrees at rest to 60 at top speed.
constexpr float REST_ANGLE = -30;
constexpr float SWEEP = 90;

// Direction of the needle's tip at `angle` degrees: it points left at 0 and
// turns clockwise on screen (y down) as the angle grows.
Point tipDirection(float angle) {
    return {-std::cos(angle * DEG), -std::sin(angle * DEG)};
}

Point fromPivot(float angle, float radius) {
    Point d = tipDirection(angle);
    return {PIVOT.x + d.x * radius, PIVOT.y + d.y * radius};
}

Shape pie(float fromAngle, float toAngle, float radius) {
    return {[=](Point p) {
                float dx = p.x - PIVOT.x;
                float dy = p.y - PIVOT.y;
                if (dx * dx + dy * dy > radius * radius)
                    return false;
                float angle = std::atan2(-dy, -dx) / DEG;
                return angle >= fromAngle && angle <= toAngle;
            },
            {PIVOT.x - radius, PIVOT.y - radius, PIVOT.x + radius, PIVOT.y + radius}};
}

Shape rim(float fromAngle, float toAngle, float inner, float outer) {
    return subtract(pie(fromAngle, toAngle, outer), circle(PIVOT, inner));
}

void paintCentredText(Canvas& canvas, const Font& font, Space space, const std::string& text,
                      Point centre, float capHeight, Rgba colour) {
    float pixelsX = canvas.width / space.width;
    float pixelsY = canvas.height / space.height;
    float cap = capHeight * pixelsY;
    Mask mask = letterLine(font, canvas.width, canvas.height, text, centre.x * pixelsX,
                           centre.y * pixelsY + cap / 2, cap, pixelsX / pixelsY);
    canvas.paintMask(mask, colour);
}

} // namespace

Canvas paintDial(const Font& font) {
    Canvas canvas = Canvas::blank(256, 256);
    const Rgba outline = hexColour(0x101830);
    const Rgba bezel = hexColour(0xFFC42E);
    const Rgba face = hexColour(0x1E2A5A);
    const Rgba white = hexColour(0xFFFFFF);
    const Rgba red = hexColour(0xFF4A3A);
    const float from = REST_ANGLE - 12, to = REST_ANGLE + SWEEP + 12;
    paint(canvas, DIAL_SPACE, unite(pie(from - 2, to + 2, 86), circle(PIVOT, 20)), outline);
    paint(canvas, DIAL_SPACE, unite(pie(from, to, 83), circle(PIVOT, 17)), bezel);
    paint(canvas, DIAL_SPACE, unite(pie(from + 2, to - 2, 77), circle(PIVOT, 12)), face);
    // The last quarter of the sweep is the red zone.
    paint(canvas, DIAL_SPACE, rim(REST_ANGLE + SWEEP * 0.75f, REST_ANGLE + SWEEP + 1.5f, 64, 73),
          red);
    for (int tick = 0; tick <= 8; ++tick) {
        float angle = REST_ANGLE + SWEEP * tick / 8;
        bool major = tick % 2 == 0;
        Point outer = fromPivot(angle, 72);
        Point inner = fromPivot(angle, major ? 58 : 64);
        paint(canvas, DIAL_SPACE, stroke(inner, outer, major ? 2.3f : 1.4f), white);
        if (major)
            paintCentredText(canvas, font, DIAL_SPACE, std::to_string(tick * 10),
                             fromPivot(angle, 47), 9, white);
    }
    paint(canvas, DIAL_SPACE, circle(PIVOT, 8), outline);
    paint(canvas, DIAL_SPACE, circle(PIVOT, 6), hexColour(0xD0D8E0));
    return canvas;
}

Canvas paintNeedle() {
    // In two-player units: 114 x 10, pivot at (70, 0). The one-player pivot,
    // (180, 10) of 230 x 22, falls at about (89, 4.5); the shaft runs along
    // y = 3, between the two, and the counterweight sits on the second pivot.
    const Space space{114, 10};
    Canvas canvas = Canvas::blank(256, 32);
    const float axis = 3;
    auto needle = [&](float grow) {
        Shape shaft = polygon({{2 - grow, axis},
                               {70, axis - 2.2f - grow},
                               {92, axis - 1.8f - grow},
                               {92, axis + 1.8f + grow},
                               {70, axis + 2.2f + grow}});
        return unite(shaft, circle({90, axis}, 2.9f + grow));
    };
    paint(canvas, space, needle(0.9f), hexColour(0x301010));
    paint(canvas, space, needle(0), hexColour(0xFF5A1F));
    paint(canvas, space, intersect(needle(-0.2f), rectangle({0, 0, 114, axis - 0.2f})),
          hexColour(0xFFA070));
    paint(canvas, space, circle({90, axis}, 1.2f), hexColour(0x301010));
    return canvas;
}

Canvas paintDigitStrip(const Font& font) {
    // Ten cells, 1 2 3 4 5 6 7 8 9 0, each drawn 37 x 44 on screen. The HUD
    // cuts its decimal point from the low band of the last three cells; the
    // hidden texels carry the fill colour so that tiny, filtered cut-out reads
    // as a bright dot.
    constexpr int WIDTH = 512;
    constexpr int HEIGHT = 64;
    constexpr float CELL = WIDTH / 10.0f;
    const float stretchX = (CELL / 37) / (HEIGHT / 44.0f);
    Canvas canvas = Canvas::blank(WIDTH, HEIGHT);
    const Rgba top = hexColour(0xFFFFFF);
    const Rgba bottom = hexColour(0xFFD84A);
    const Rgba outline = hexColour(0x1A1A40);
    canvas.hiddenColour = hexColour(0xFFEC9A, 0);
    const char digits[] = "1234567890";
    Mask glyphs = Mask::empty(WIDTH, HEIGHT);
    const float cap = 44;
    const float baseline = 54;
    for (int i = 0; i < 10; ++i) {
        Mask one = letterLine(font, WIDTH, HEIGHT, std::string(1, digits[i]), CELL * (i + 0.5f),
                              baseline, cap, stretchX);
        for (size_t k = 0; k < one.coverage.size(); ++k)
            glyphs.coverage[k] = std::max(glyphs.coverage[k], one.coverage[k]);
    }
    canvas.paintMask(dilate(glyphs, 3.2f * stretchX, 3.2f), outline);
    canvas.paintMask(glyphs, [&](int, int y) {
        return mixColours(top, bottom, std::clamp((y - (baseline - cap)) / cap, 0.0f, 1.0f));
    });
    return canvas;
}
