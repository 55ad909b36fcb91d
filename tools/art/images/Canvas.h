// A picture being painted: floating-point colour with coverage-weighted
// compositing, so shapes and letters get smooth edges.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

struct Rgba {
    float r = 0, g = 0, b = 0, a = 0;
};

// 0xRRGGBB as an opaque colour; keeps the palette readable.
Rgba hexColour(uint32_t rgb, float alpha = 1);
Rgba mixColours(Rgba a, Rgba b, float t);
Rgba scaledColour(Rgba c, float factor);

// How much of each pixel a shape covers, 0 to 1.
struct Mask {
    int width = 0;
    int height = 0;
    std::vector<float> coverage;

    static Mask empty(int width, int height);
    float at(int x, int y) const { return coverage[static_cast<size_t>(y) * width + x]; }
    float& at(int x, int y) { return coverage[static_cast<size_t>(y) * width + x]; }
};

struct Canvas {
    int width = 0;
    int height = 0;
    // Premultiplied colour; row 0 is the top of the picture as it should be seen.
    std::vector<Rgba> pixels;
    // Colour given to fully transparent texels; when unset they take the colour
    // of the nearest visible texel, so filtering never pulls in dark fringes.
    std::optional<Rgba> hiddenColour;

    static Canvas blank(int width, int height);
    const Rgba& at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    Rgba& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }

    void fill(Rgba colour);
    void blend(int x, int y, Rgba colour, float coverage);
    void paintMask(const Mask& mask, Rgba colour);
    void paintMask(const Mask& mask, const std::function<Rgba(int x, int y)>& colourAt);
    void flipRows();
    void flipColumns();
};

// Straight (not premultiplied) 8-bit colour in picture order, 3 or 4 bytes a pixel.
std::vector<uint8_t> canvasBytes(const Canvas& canvas, int channels);
