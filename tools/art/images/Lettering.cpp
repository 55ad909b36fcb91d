#define STB_TRUETYPE_IMPLEMENTATION
#include "Lettering.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

namespace {

float kerningAfter(const Font& font, const std::vector<int>& text, size_t i) {
    if (i + 1 >= text.size())
        return 0;
    return static_cast<float>(stbtt_GetCodepointKernAdvance(&font.info, text[i], text[i + 1]));
}

} // namespace

bool loadFont(const char* path, Font* font, std::string* error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        *error = std::string(path) + ": cannot open font";
        return false;
    }
    font->data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    int offset = stbtt_GetFontOffsetForIndex(font->data.data(), 0);
    if (offset < 0 || !stbtt_InitFont(&font->info, font->data.data(), offset)) {
        *error = std::string(path) + ": not a TrueType font";
        return false;
    }
    int x0, y0, x1, y1;
    if (!stbtt_GetCodepointBox(&font->info, 'H', &x0, &y0, &x1, &y1) || y1 <= 0) {
        *error = std::string(path) + ": font has no capital H";
        return false;
    }
    font->capHeightUnits = static_cast<float>(y1);
    return true;
}

std::vector<int> codepoints(std::string_view utf8) {
    std::vector<int> out;
    for (size_t i = 0; i < utf8.size();) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        const size_t length = lead < 0x80             ? 1
                              : (lead & 0xE0) == 0xC0 ? 2
                              : (lead & 0xF0) == 0xE0 ? 3
                              : (lead & 0xF8) == 0xF0 ? 4
                                                      : 0;
        int value = length == 1 ? lead : lead & (0x7F >> length);
        size_t k = 1;
        for (; k < length && i + k < utf8.size(); ++k) {
            const unsigned char next = static_cast<unsigned char>(utf8[i + k]);
            if ((next & 0xC0) != 0x80)
                break;
            value = value << 6 | (next & 0x3F);
        }
        // A broken sequence shows as the replacement sign, never as its bytes
        // taken for other letters.
        out.push_back(k == length ? value : 0xFFFD);
        i += k;
    }
    return out;
}

float lineWidth(const Font& font, std::string_view utf8, float capHeight, float stretchX) {
    const std::vector<int> text = codepoints(utf8);
    float scale = capHeight / font.capHeightUnits;
    float units = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        int advance, bearing;
        stbtt_GetCodepointHMetrics(&font.info, text[i], &advance, &bearing);
        units += advance + kerningAfter(font, text, i);
    }
    // The last letter's ink ends before its advance; measure to the ink.
    if (!text.empty()) {
        int advance, bearing, x0, y0, x1, y1;
        stbtt_GetCodepointHMetrics(&font.info, text.back(), &advance, &bearing);
        if (stbtt_GetCodepointBox(&font.info, text.back(), &x0, &y0, &x1, &y1))
            units -= advance - x1;
        int firstAdvance, firstBearing;
        stbtt_GetCodepointHMetrics(&font.info, text.front(), &firstAdvance, &firstBearing);
        units -= firstBearing;
    }
    return units * scale * stretchX;
}

float fittingCapHeight(const Font& font, std::string_view text, float maxWidth, float maxCap,
                       float stretchX) {
    float width = lineWidth(font, text, maxCap, stretchX);
    return width > maxWidth ? maxCap * maxWidth / width : maxCap;
}

Mask letterLine(const Font& font, int width, int height, std::string_view utf8, float centreX,
                float baselineY, float capHeight, float stretchX) {
    Mask mask = Mask::empty(width, height);
    const std::vector<int> text = codepoints(utf8);
    if (text.empty())
        return mask;
    const float scaleY = capHeight / font.capHeightUnits;
    const float scaleX = scaleY * stretchX;
    int firstAdvance, firstBearing;
    stbtt_GetCodepointHMetrics(&font.info, text.front(), &firstAdvance, &firstBearing);
    float penX = centreX - lineWidth(font, utf8, capHeight, stretchX) / 2 - firstBearing * scaleX;
    for (size_t i = 0; i < text.size(); ++i) {
        int advance, bearing;
        stbtt_GetCodepointHMetrics(&font.info, text[i], &advance, &bearing);
        float originX = std::floor(penX);
        float shiftX = penX - originX;
        float originY = std::floor(baselineY);
        float shiftY = baselineY - originY;
        int x0, y0, x1, y1;
        stbtt_GetCodepointBitmapBoxSubpixel(&font.info, text[i], scaleX, scaleY, shiftX, shiftY,
                                            &x0, &y0, &x1, &y1);
        int glyphWidth = x1 - x0;
        int glyphHeight = y1 - y0;
        if (glyphWidth > 0 && glyphHeight > 0) {
            std::vector<unsigned char> glyph(static_cast<size_t>(glyphWidth) * glyphHeight);
            stbtt_MakeCodepointBitmapSubpixel(&font.info, glyph.data(), glyphWidth, glyphHeight,
                                              glyphWidth, scaleX, scaleY, shiftX, shiftY, text[i]);
            for (int gy = 0; gy < glyphHeight; ++gy) {
                for (int gx = 0; gx < glyphWidth; ++gx) {
                    int x = static_cast<int>(originX) + x0 + gx;
                    int y = static_cast<int>(originY) + y0 + gy;
                    if (x < 0 || y < 0 || x >= width || y >= height)
                        continue;
                    float value = glyph[static_cast<size_t>(gy) * glyphWidth + gx] / 255.0f;
                    mask.at(x, y) = std::max(mask.at(x, y), value);
                }
            }
        }
        penX += (advance + kerningAfter(font, text, i)) * scaleX;
    }
    return mask;
}

Mask dilate(const Mask& mask, float radiusX, float radiusY) {
    Mask grown = Mask::empty(mask.width, mask.height);
    const int reachX = static_cast<int>(std::ceil(radiusX)) + 1;
    const int reachY = static_cast<int>(std::ceil(radiusY)) + 1;
    const float edge = std::min(radiusX, radiusY);
    struct Tap {
        int dx, dy;
        float weight;
    };
    std::vector<Tap> brush;
    for (int dy = -reachY; dy <= reachY; ++dy)
        for (int dx = -reachX; dx <= reachX; ++dx) {
            float e = std::sqrt((dx / radiusX) * (dx / radiusX) + (dy / radiusY) * (dy / radiusY));
            float weight = std::clamp((1 - e) * edge + 0.5f, 0.0f, 1.0f);
            if (weight > 0)
                brush.push_back({dx, dy, weight});
        }
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x) {
            float best = 0;
            for (const Tap& tap : brush) {
                int sx = x + tap.dx;
                int sy = y + tap.dy;
                if (sx < 0 || sy < 0 || sx >= mask.width || sy >= mask.height)
                    continue;
                best = std::max(best, mask.at(sx, sy) * tap.weight);
            }
            grown.at(x, y) = best;
        }
    return grown;
}

Mask shifted(const Mask& mask, int dx, int dy) {
    Mask moved = Mask::empty(mask.width, mask.height);
    for (int y = 0; y < mask.height; ++y)
        for (int x = 0; x < mask.width; ++x) {
            int sx = x - dx;
            int sy = y - dy;
            if (sx >= 0 && sy >= 0 && sx < mask.width && sy < mask.height)
                moved.at(x, y) = mask.at(sx, sy);
        }
    return moved;
}
