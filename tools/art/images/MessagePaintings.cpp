// The centred messages (drawn 250 x 100) and the title banner (450 x 78):
// bold outlined lettering with a drop shadow, widened or narrowed on the
// canvas so it has the font's own proportions once the game stretches it.
#include "Paintings.h"
#include "Shape.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr float MESSAGE_QUAD_WIDTH = 250;
constexpr float MESSAGE_QUAD_HEIGHT = 100;
const Rgba INK = hexColour(0x141433);

struct Line {
    std::string text;
    float capShare; // share of the canvas height the capitals may take
};

struct Look {
    std::vector<Line> lines;
    Rgba light, deep;
};

Look lookOf(Message message) {
    switch (message) {
    case Message::PlayerOneWins:
        return {{{"PLAYER 1", 0.26f}, {"WINS", 0.36f}}, hexColour(0x9FD8FF), hexColour(0x2A63E8)};
    case Message::PlayerTwoWins:
        return {{{"PLAYER 2", 0.26f}, {"WINS", 0.36f}}, hexColour(0xB8FF9C), hexColour(0x1FA83A)};
    case Message::HurryUp:
        return {{{"HURRY", 0.3f}, {"UP!", 0.3f}}, hexColour(0xFFD0A0), hexColour(0xF0302A)};
    case Message::Goal:
        return {{{"GOAL!", 0.55f}}, hexColour(0xFFF6A0), hexColour(0xFF9A1A)};
    case Message::Ready:
        return {{{"READY", 0.5f}}, hexColour(0xFFF3A8), hexColour(0xFFB21E)};
    case Message::Set:
        return {{{"SET", 0.55f}}, hexColour(0xFFD8A0), hexColour(0xFF6A1E)};
    case Message::Go:
        return {{{"GO!", 0.6f}}, hexColour(0xD8FFA0), hexColour(0x2FC83A)};
    }
    return {};
}

// Letters the lines one under another, centred, and paints shadow, outline
// and a vertical gradient fill.
void paintLettering(Canvas& canvas, const Font& font, const std::vector<Line>& lines,
                    float stretchX, float marginX, Rgba light, Rgba deep) {
    const float gap = canvas.height * 0.08f;
    std::vector<float> caps;
    float total = 0;
    for (const Line& line : lines) {
        float cap = fittingCapHeight(font, line.text, canvas.width - 2 * marginX,
                                     canvas.height * line.capShare, stretchX);
        caps.push_back(cap);
        total += cap;
    }
    total += gap * (lines.size() - 1);
    float y = (canvas.height - total) / 2;
    Mask letters = Mask::empty(canvas.width, canvas.height);
    std::vector<std::pair<float, float>> spans; // top and baseline of each line
    for (size_t i = 0; i < lines.size(); ++i) {
        Mask line = letterLine(font, canvas.width, canvas.height, lines[i].text,
                               canvas.width / 2.0f, y + caps[i], caps[i], stretchX);
        for (size_t k = 0; k < line.coverage.size(); ++k)
            letters.coverage[k] = std::max(letters.coverage[k], line.coverage[k]);
        spans.push_back({y, y + caps[i]});
        y += caps[i] + gap;
    }
    const float thickness = canvas.height * 0.035f;
    Mask outline = dilate(letters, thickness * stretchX, thickness);
    canvas.paintMask(shifted(outline, static_cast<int>(thickness * stretchX * 0.8f),
                             static_cast<int>(thickness * 0.8f)),
                     hexColour(0x000000, 0.45f));
    canvas.paintMask(outline, INK);
    canvas.paintMask(letters, [&](int, int py) {
        for (const auto& [top, base] : spans)
            if (py <= base + 2)
                return mixColours(light, deep, std::clamp((py - top) / (base - top), 0.0f, 1.0f));
        return deep;
    });
}

} // namespace

Canvas paintMessage(const Font& font, Message message) {
    Canvas canvas = Canvas::blank(512, 256);
    const float stretchX =
        (canvas.width / MESSAGE_QUAD_WIDTH) / (canvas.height / MESSAGE_QUAD_HEIGHT);
    const Look look = lookOf(message);
    paintLettering(canvas, font, look.lines, stretchX, canvas.width * 0.05f, look.light, look.deep);
    return canvas;
}

Canvas paintTitle(const Font& font) {
    // A ribbon banner, opaque so it cleanly covers whatever message is behind it.
    const Space space{450, 78};
    Canvas canvas = Canvas::blank(512, 128);
    const float stretchX = (canvas.width / space.width) / (canvas.height / space.height);
    paint(canvas, space, roundedRectangle({2, 4, 448, 76}, 18), INK);
    paint(canvas, space, roundedRectangle({6, 8, 444, 72}, 15), hexColour(0xFFC42E));
    paint(canvas, space, roundedRectangle({11, 13, 439, 67}, 11), [](Point p) {
        return mixColours(hexColour(0x7A3CE0), hexColour(0x3A1C8A), (p.y - 13) / 54);
    });
    paintLettering(canvas, font, {{"VORLANE KART", 0.42f}}, stretchX, canvas.width * 0.08f,
                   hexColour(0xFFF6A0), hexColour(0xFF9A1A));
    return canvas;
}
