// The centred messages (drawn 250 x 100) and the title banner (450 x 78):
// bold outlined lettering with a drop shadow, widened or narrowed on the
// canvas so it has the font's own proportions once the game stretches it.
// The pause sign, the match-choice card and the small CPU and level words
// share the look, each painted for a quad of its canvas's own proportions.
#include "Paintings.h"
#include "Shape.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr float MESSAGE_QUAD_WIDTH = 250;
constexpr float MESSAGE_QUAD_HEIGHT = 100;

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

// Shadow, outline and fill of one set of letters: the dark outline keeps
// them readable on a light picture, the light fill on a dark one.
void paintOutlined(Canvas& canvas, const Mask& letters, float thickness, float stretchX,
                   const std::function<Rgba(int x, int y)>& fillAt) {
    Mask outline = dilate(letters, thickness * stretchX, thickness);
    canvas.paintMask(shifted(outline, static_cast<int>(thickness * stretchX * 0.8f),
                             static_cast<int>(thickness * 0.8f)),
                     hexColour(0x000000, 0.45f));
    canvas.paintMask(outline, INK);
    canvas.paintMask(letters, fillAt);
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
    paintOutlined(canvas, letters, canvas.height * 0.035f, stretchX, [&](int, int py) {
        for (const auto& [top, base] : spans)
            if (py <= base + 2)
                return mixColours(light, deep, std::clamp((py - top) / (base - top), 0.0f, 1.0f));
        return deep;
    });
}

// One line at a given size and place, its outline in proportion to its
// letters rather than to the canvas, so small print keeps open counters.
struct PlacedLine {
    std::string text;
    float cap;      // capital height in canvas rows
    float baseline; // canvas row
    Rgba light, deep;
};

void paintPlacedLines(Canvas& canvas, const Font& font, const std::vector<PlacedLine>& lines,
                      float stretchX) {
    for (const PlacedLine& line : lines) {
        Mask letters = letterLine(font, canvas.width, canvas.height, line.text, canvas.width / 2.0f,
                                  line.baseline, line.cap, stretchX);
        const float top = line.baseline - line.cap;
        paintOutlined(canvas, letters, std::max(1.8f, line.cap * 0.12f), stretchX, [&](int, int y) {
            return mixColours(line.light, line.deep, std::clamp((y - top) / line.cap, 0.0f, 1.0f));
        });
    }
}

// Stacks lines of the given largest cap heights centred in the canvas, each
// shrunk to fit the width, with `gaps[i]` rows above line i + 1.
std::vector<PlacedLine> stacked(const Font& font, float stretchX, float maxWidth,
                                std::vector<PlacedLine> lines, const std::vector<float>& gaps,
                                float centreY) {
    float total = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        lines[i].cap = fittingCapHeight(font, lines[i].text, maxWidth, lines[i].cap, stretchX);
        total += lines[i].cap + (i > 0 ? gaps[i - 1] : 0);
    }
    float y = centreY - total / 2;
    for (size_t i = 0; i < lines.size(); ++i) {
        y += lines[i].cap;
        lines[i].baseline = y;
        if (i < gaps.size())
            y += gaps[i];
    }
    return lines;
}

const Rgba NOTE_LIGHT = hexColour(0xFFFFFF);
const Rgba NOTE_DEEP = hexColour(0xC8D8FF);

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

Canvas paintPaused(const Font& font) {
    // Drawn 2:1 over the dimmed picture, at one texel a pixel on a 512 x 256 quad.
    Canvas canvas = Canvas::blank(512, 256);
    const float stretchX = 1;
    std::vector<PlacedLine> lines =
        stacked(font, stretchX, canvas.width * 0.9f,
                {{"PAUSED", 84, 0, hexColour(0xFFF6A0), hexColour(0xFFB21E)},
                 {"Esc / P / Start: resume", 24, 0, NOTE_LIGHT, NOTE_DEEP},
                 {"Ctrl+Q: quit", 24, 0, NOTE_LIGHT, NOTE_DEEP}},
                {30, 14}, canvas.height / 2.0f);
    paintPlacedLines(canvas, font, lines, stretchX);
    return canvas;
}

Canvas paintMatchChoice(const Font& font) {
    // A 4:1 card (say 640 x 160 on screen) drawn once over the frozen picture:
    // the dark panel lets the key help sit on any part of the arena.
    const Space space{512, 128};
    Canvas canvas = Canvas::blank(512, 128);
    const float stretchX = 1;
    paint(canvas, space, roundedRectangle({4, 4, 508, 124}, 20), hexColour(0x141433, 0.78f));
    paint(canvas, space,
          subtract(roundedRectangle({2, 2, 510, 126}, 22), roundedRectangle({6, 6, 506, 122}, 18)),
          hexColour(0xFFC42E));
    std::vector<PlacedLine> lines = stacked(
        font, stretchX, canvas.width * 0.88f,
        {{"5 race · 6 tag · 7 ball game", 30, 0, hexColour(0xFFF6A0), hexColour(0xFFB21E)},
         {"Esc / P pause · F11 full screen · F1 / F2 CPU players", 14, 0, NOTE_LIGHT, NOTE_DEEP}},
        {18}, canvas.height / 2.0f);
    paintPlacedLines(canvas, font, lines, stretchX);
    return canvas;
}

Canvas paintLabel(const Font& font, Label label) {
    // Small words beside the speedometer, 4:1 (128 x 32 at one texel a
    // pixel). Every label shares the cap height of the widest, NORMAL, so they
    // read as one set whichever is shown.
    Canvas canvas = Canvas::blank(128, 32);
    const float stretchX = 1;
    const float maxWidth = canvas.width * 0.88f;
    float cap = 18;
    for (const char* word : {"CPU", "EASY", "NORMAL", "HARD"})
        cap = std::min(cap, fittingCapHeight(font, word, maxWidth, cap, stretchX));
    struct Style {
        const char* text;
        Rgba light, deep;
    };
    const Style style = [&]() -> Style {
        switch (label) {
        case Label::Cpu:
            return {"CPU", hexColour(0xFFFFFF), hexColour(0xB8C8E0)};
        case Label::Easy:
            return {"EASY", hexColour(0xB8FF9C), hexColour(0x1FA83A)};
        case Label::Normal:
            return {"NORMAL", hexColour(0xFFF3A8), hexColour(0xFFB21E)};
        case Label::Hard:
            return {"HARD", hexColour(0xFFD0A0), hexColour(0xF0302A)};
        }
        return {"", {}, {}};
    }();
    // Capitals centred, a row high to leave room for the shadow below.
    paintPlacedLines(
        canvas, font,
        {{style.text, cap, canvas.height / 2.0f + cap / 2 - 1, style.light, style.deep}}, stretchX);
    return canvas;
}
