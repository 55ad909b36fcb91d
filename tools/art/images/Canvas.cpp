#include "Canvas.h"

#include <algorithm>
#include <cmath>
#include <deque>

namespace {

float clamp01(float v) {
    return std::clamp(v, 0.0f, 1.0f);
}

uint8_t toByte(float v) {
    return static_cast<uint8_t>(std::lround(clamp01(v) * 255.0f));
}

Rgba straight(const Rgba& p) {
    if (p.a <= 0)
        return {0, 0, 0, 0};
    return {p.r / p.a, p.g / p.a, p.b / p.a, p.a};
}

// Every hidden texel takes the colour of its nearest visible one (breadth-first),
// so mipmaps and bilinear filtering blend the edge colour rather than black.
void bleedHiddenColours(std::vector<Rgba>& colours, const std::vector<bool>& hidden, int width,
                        int height) {
    std::vector<bool> known(hidden.size());
    std::deque<int> queue;
    for (size_t i = 0; i < hidden.size(); ++i) {
        known[i] = !hidden[i];
        if (known[i])
            queue.push_back(static_cast<int>(i));
    }
    if (queue.empty())
        return;
    const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    while (!queue.empty()) {
        int index = queue.front();
        queue.pop_front();
        int x = index % width;
        int y = index / width;
        for (const auto& step : steps) {
            int nx = x + step[0];
            int ny = y + step[1];
            if (nx < 0 || ny < 0 || nx >= width || ny >= height)
                continue;
            int n = ny * width + nx;
            if (known[n])
                continue;
            known[n] = true;
            colours[n] = {colours[index].r, colours[index].g, colours[index].b, 0};
            queue.push_back(n);
        }
    }
}

} // namespace

Rgba hexColour(uint32_t rgb, float alpha) {
    return {((rgb >> 16) & 255) / 255.0f, ((rgb >> 8) & 255) / 255.0f, (rgb & 255) / 255.0f, alpha};
}

Rgba mixColours(Rgba a, Rgba b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}

Rgba scaledColour(Rgba c, float factor) {
    return {clamp01(c.r * factor), clamp01(c.g * factor), clamp01(c.b * factor), c.a};
}

Mask Mask::empty(int width, int height) {
    Mask mask;
    mask.width = width;
    mask.height = height;
    mask.coverage.assign(static_cast<size_t>(width) * height, 0.0f);
    return mask;
}

Canvas Canvas::blank(int width, int height) {
    Canvas canvas;
    canvas.width = width;
    canvas.height = height;
    canvas.pixels.assign(static_cast<size_t>(width) * height, Rgba{});
    return canvas;
}

void Canvas::fill(Rgba colour) {
    Rgba premultiplied{colour.r * colour.a, colour.g * colour.a, colour.b * colour.a, colour.a};
    std::fill(pixels.begin(), pixels.end(), premultiplied);
}

void Canvas::blend(int x, int y, Rgba colour, float coverage) {
    float alpha = clamp01(colour.a * coverage);
    if (alpha <= 0)
        return;
    Rgba& p = at(x, y);
    float keep = 1 - alpha;
    p.r = colour.r * alpha + p.r * keep;
    p.g = colour.g * alpha + p.g * keep;
    p.b = colour.b * alpha + p.b * keep;
    p.a = alpha + p.a * keep;
}

void Canvas::paintMask(const Mask& mask, Rgba colour) {
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            blend(x, y, colour, mask.at(x, y));
}

void Canvas::paintMask(const Mask& mask, const std::function<Rgba(int x, int y)>& colourAt) {
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (mask.at(x, y) > 0)
                blend(x, y, colourAt(x, y), mask.at(x, y));
}

void Canvas::flipRows() {
    for (int y = 0; y < height / 2; ++y)
        for (int x = 0; x < width; ++x)
            std::swap(at(x, y), at(x, height - 1 - y));
}

void Canvas::flipColumns() {
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width / 2; ++x)
            std::swap(at(x, y), at(width - 1 - x, y));
}

std::vector<uint8_t> canvasBytes(const Canvas& canvas, int channels) {
    std::vector<Rgba> colours(canvas.pixels.size());
    std::vector<bool> hidden(canvas.pixels.size());
    for (size_t i = 0; i < colours.size(); ++i) {
        colours[i] = straight(canvas.pixels[i]);
        hidden[i] = channels == 4 && toByte(colours[i].a) == 0;
    }
    if (channels == 4) {
        if (canvas.hiddenColour) {
            for (size_t i = 0; i < colours.size(); ++i)
                if (hidden[i])
                    colours[i] = *canvas.hiddenColour;
        } else {
            bleedHiddenColours(colours, hidden, canvas.width, canvas.height);
        }
    }
    std::vector<uint8_t> bytes;
    bytes.reserve(colours.size() * channels);
    for (size_t i = 0; i < colours.size(); ++i) {
        bytes.push_back(toByte(colours[i].r));
        bytes.push_back(toByte(colours[i].g));
        bytes.push_back(toByte(colours[i].b));
        if (channels == 4)
            bytes.push_back(hidden[i] ? 0 : toByte(colours[i].a));
    }
    return bytes;
}
