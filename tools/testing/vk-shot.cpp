// Looks at a window the way a player would: finds it by its title, reports
// its size, saves a screenshot, measures the mean colour of regions and reads
// the HUD's digits.
//
//   vk-shot (--title "Vorlane Kart" | --from LOOK.ppm) [--out shot.png]
//           [--raw LOOK.ppm] [--mean x y w h]... [--font STRIP.tga
//           --digits x y w h count]... [--lit x y w h]...
//
// Prints "window ID W H" (ID 0 for a picture read --from a file), then
// "mean x y w h R G B" for every region, "lit x y w h SHARE" for the share
// of a --lit region's pixels bright enough to be lettering (white or the
// menu's yellow: red over 200 and green over 170), and "digits x y w h count TEXT" for
// every row of digit cells. --raw keeps the pixels as a binary PPM, quick
// enough to write at every look of a poll; --from reads such a file back, to
// turn a kept look into a PNG or measure it again.
//
// --digits reads count cells of w x h side by side from x, y, each showing
// one glyph of the digit strip in --font (glyphs 1 to 9, then 0, as the HUD
// draws them): TEXT has a digit for each cell, '-' for a cell with none of the
// digits' light fill in it and '?' for fill that looks like no glyph.

#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

#include "assets/TgaReader.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Area {
    int x, y, w, h;
};

struct DigitRow {
    Area cell;
    int count;
};

struct Picture {
    int width = 0, height = 0;
    std::vector<unsigned char> rgb;

    const unsigned char* at(int x, int y) const {
        return &rgb[(static_cast<size_t>(y) * width + x) * 3];
    }
};

std::string windowTitle(Display* display, Window window) {
    char* name = nullptr;
    std::string title;
    if (XFetchName(display, window, &name) && name) {
        title = name;
        XFree(name);
    }
    return title;
}

// Depth-first, so the window the game created is found below any frame.
Window findByTitle(Display* display, Window root, const std::string& title) {
    if (windowTitle(display, root) == title)
        return root;
    Window parent, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (XQueryTree(display, root, &root, &parent, &children, &count)) {
        for (unsigned i = 0; i < count && !found; ++i)
            found = findByTitle(display, children[i], title);
        if (children)
            XFree(children);
    }
    return found;
}

bool grabWindow(const std::string& title, Picture* picture) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "vk-shot: cannot open the display\n");
        return false;
    }
    Window window = findByTitle(display, DefaultRootWindow(display), title);
    if (!window) {
        std::fprintf(stderr, "vk-shot: no window titled \"%s\"\n", title.c_str());
        XCloseDisplay(display);
        return false;
    }
    XWindowAttributes attributes;
    XGetWindowAttributes(display, window, &attributes);
    const int width = attributes.width, height = attributes.height;
    std::printf("window %lu %d %d\n", static_cast<unsigned long>(window), width, height);

    XImage* image = XGetImage(display, window, 0, 0, width, height, AllPlanes, ZPixmap);
    if (!image) {
        std::fprintf(stderr, "vk-shot: cannot read the window's pixels\n");
        XCloseDisplay(display);
        return false;
    }
    picture->width = width;
    picture->height = height;
    picture->rgb.resize(static_cast<size_t>(width) * height * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            unsigned long pixel = XGetPixel(image, x, y);
            unsigned char* p = &picture->rgb[(static_cast<size_t>(y) * width + x) * 3];
            p[0] = (pixel & image->red_mask) >> __builtin_ctzl(image->red_mask);
            p[1] = (pixel & image->green_mask) >> __builtin_ctzl(image->green_mask);
            p[2] = (pixel & image->blue_mask) >> __builtin_ctzl(image->blue_mask);
        }
    XDestroyImage(image);
    XCloseDisplay(display);
    return true;
}

// Only what writeRaw writes: "P6", width, height, 255, then the pixels.
bool readRaw(const std::string& path, Picture* picture) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    int width = 0, height = 0, top = 0;
    bool ok = file && std::fscanf(file, "P6 %d %d %d", &width, &height, &top) == 3 &&
              std::fgetc(file) == '\n' && width > 0 && height > 0 && width <= 16384 &&
              height <= 16384 && top == 255;
    if (ok) {
        picture->width = width;
        picture->height = height;
        picture->rgb.resize(static_cast<size_t>(width) * height * 3);
        ok = std::fread(picture->rgb.data(), 1, picture->rgb.size(), file) == picture->rgb.size();
    }
    if (file)
        std::fclose(file);
    if (!ok)
        std::fprintf(stderr, "vk-shot: %s is not a look kept by --raw\n", path.c_str());
    else
        std::printf("window 0 %d %d\n", width, height);
    return ok;
}

bool writeRaw(const std::string& path, const Picture& picture) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    bool ok = file && std::fprintf(file, "P6\n%d %d\n255\n", picture.width, picture.height) > 0 &&
              std::fwrite(picture.rgb.data(), 1, picture.rgb.size(), file) == picture.rgb.size();
    if (file && std::fclose(file) != 0)
        ok = false;
    if (!ok)
        std::fprintf(stderr, "vk-shot: cannot write %s\n", path.c_str());
    return ok;
}

// The digits' light fill, white to gold. The scenes behind the HUD are darker
// (bricks, lane) or bluer (sky); only a white cloud would pass for fill.
bool isFill(float r, float g) {
    return r > 190 && g > 150;
}

// A glyph or a screen cell as the share of fill in each part of a coarse
// grid: coarse enough that scaling and filtering hardly move it, fine enough
// that every two glyphs differ in several parts (0 and 8 in the middle, 0 and
// 9 at the lower left).
constexpr int GRID_X = 6, GRID_Y = 8;
using Shape = std::vector<float>;

Shape cellShape(const Picture& picture, Area cell) {
    Shape share(GRID_X * GRID_Y, 0), total(GRID_X * GRID_Y, 0);
    for (int y = 0; y < cell.h; ++y)
        for (int x = 0; x < cell.w; ++x) {
            const int px = cell.x + x, py = cell.y + y;
            if (px < 0 || py < 0 || px >= picture.width || py >= picture.height)
                continue;
            const int part = y * GRID_Y / cell.h * GRID_X + x * GRID_X / cell.w;
            const unsigned char* p = picture.at(px, py);
            total[part] += 1;
            share[part] += isFill(p[0], p[1]) ? 1 : 0;
        }
    for (size_t i = 0; i < share.size(); ++i)
        share[i] = total[i] > 0 ? share[i] / total[i] : 0;
    return share;
}

// The ten glyphs drawn into a w x h cell the way the HUD draws them: texture
// coordinates across the glyph's tenth of the strip, t = 1 at the top,
// sampled bilinearly, kept where the alpha test would keep them.
struct DigitStrip {
    TgaImage strip;
    int cellW = 0, cellH = 0;
    Shape glyphs[10];

    // One texel channel, wrapping round in s as GL_REPEAT does.
    float texel(int x, int y, int c) const {
        x = ((x % strip.width) + strip.width) % strip.width;
        y = y < 0 ? 0 : y >= strip.height ? strip.height - 1 : y;
        const int channels = strip.channels;
        const uint8_t* p = &strip.pixels[(static_cast<size_t>(y) * strip.width + x) * channels];
        return c < channels ? p[c] : 255;
    }
    float sample(float s, float t, int c) const {
        const float u = s * strip.width - 0.5f, v = t * strip.height - 0.5f;
        const int x = static_cast<int>(std::floor(u)), y = static_cast<int>(std::floor(v));
        const float fx = u - x, fy = v - y;
        return (1 - fx) * (1 - fy) * texel(x, y, c) + fx * (1 - fy) * texel(x + 1, y, c) +
               (1 - fx) * fy * texel(x, y + 1, c) + fx * fy * texel(x + 1, y + 1, c);
    }
    // The strip's rows are in the file's order, bottom up like GL's t.
    void shape(int w, int h) {
        if (w == cellW && h == cellH)
            return;
        cellW = w;
        cellH = h;
        for (int digit = 0; digit < 10; ++digit) {
            const int n = digit == 0 ? 10 : digit;
            Picture drawn;
            drawn.width = w;
            drawn.height = h;
            drawn.rgb.assign(static_cast<size_t>(w) * h * 3, 0);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const float s = (n - 1 + (x + 0.5f) / w) / 10;
                    const float t = 1 - (y + 0.5f) / h;
                    if (sample(s, t, 3) < 0.2f * 255)
                        continue;
                    unsigned char* p = &drawn.rgb[(static_cast<size_t>(y) * w + x) * 3];
                    p[0] = static_cast<unsigned char>(sample(s, t, 0));
                    p[1] = static_cast<unsigned char>(sample(s, t, 1));
                }
            glyphs[digit] = cellShape(drawn, {0, 0, w, h});
        }
    }
};

float difference(const Shape& a, const Shape& b) {
    float d = 0;
    for (size_t i = 0; i < a.size(); ++i)
        d += std::fabs(a[i] - b[i]);
    return d;
}

// A glyph is read only when it is at least twice as near as any other.
char readDigit(const Picture& picture, DigitStrip& font, Area cell) {
    const Shape shape = cellShape(picture, cell);
    float fill = 0;
    for (float share : shape)
        fill += share;
    if (fill < 0.02f * GRID_X * GRID_Y)
        return '-';
    font.shape(cell.w, cell.h);
    int best = -1;
    float nearest = 1e9f, next = 1e9f;
    for (int digit = 0; digit < 10; ++digit) {
        const float d = difference(shape, font.glyphs[digit]);
        if (d < nearest) {
            next = nearest;
            nearest = d;
            best = digit;
        } else if (d < next)
            next = d;
    }
    return nearest * 2 <= next ? static_cast<char>('0' + best) : '?';
}

int usage() {
    std::fprintf(stderr, "usage: vk-shot (--title TITLE | --from LOOK.ppm) [--out FILE.png] "
                         "[--raw LOOK.ppm] [--mean X Y W H]... [--font STRIP.tga --digits X Y W "
                         "H COUNT]... [--lit X Y W H]...\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::string title, from, out, raw, fontPath;
    std::vector<Area> regions, litRegions;
    std::vector<DigitRow> digitRows;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--title") && i + 1 < argc)
            title = argv[++i];
        else if (!std::strcmp(argv[i], "--from") && i + 1 < argc)
            from = argv[++i];
        else if (!std::strcmp(argv[i], "--out") && i + 1 < argc)
            out = argv[++i];
        else if (!std::strcmp(argv[i], "--raw") && i + 1 < argc)
            raw = argv[++i];
        else if (!std::strcmp(argv[i], "--font") && i + 1 < argc)
            fontPath = argv[++i];
        else if (!std::strcmp(argv[i], "--mean") && i + 4 < argc) {
            Area r{std::atoi(argv[i + 1]), std::atoi(argv[i + 2]), std::atoi(argv[i + 3]),
                   std::atoi(argv[i + 4])};
            regions.push_back(r);
            i += 4;
        } else if (!std::strcmp(argv[i], "--lit") && i + 4 < argc) {
            litRegions.push_back({std::atoi(argv[i + 1]), std::atoi(argv[i + 2]),
                                  std::atoi(argv[i + 3]), std::atoi(argv[i + 4])});
            i += 4;
        } else if (!std::strcmp(argv[i], "--digits") && i + 5 < argc) {
            DigitRow row{{std::atoi(argv[i + 1]), std::atoi(argv[i + 2]), std::atoi(argv[i + 3]),
                          std::atoi(argv[i + 4])},
                         std::atoi(argv[i + 5])};
            if (row.cell.w < 1 || row.cell.h < 1 || row.count < 1)
                return usage();
            digitRows.push_back(row);
            i += 5;
        } else
            return usage();
    }
    if (title.empty() == from.empty() || (!digitRows.empty() && fontPath.empty()))
        return usage();

    DigitStrip font;
    if (!fontPath.empty()) {
        std::string error;
        if (!readTga(fontPath.c_str(), &font.strip, &error)) {
            std::fprintf(stderr, "vk-shot: cannot read the digit strip %s: %s\n", fontPath.c_str(),
                         error.c_str());
            return 1;
        }
    }
    Picture picture;
    if (!(from.empty() ? grabWindow(title, &picture) : readRaw(from, &picture)))
        return 1;
    if (!raw.empty() && !writeRaw(raw, picture))
        return 1;

    for (const Area& r : regions) {
        double sum[3] = {0, 0, 0};
        long n = 0;
        for (int y = r.y; y < r.y + r.h; ++y)
            for (int x = r.x; x < r.x + r.w; ++x) {
                if (x < 0 || y < 0 || x >= picture.width || y >= picture.height)
                    continue;
                const unsigned char* p = picture.at(x, y);
                for (int c = 0; c < 3; ++c)
                    sum[c] += p[c];
                ++n;
            }
        if (n == 0)
            n = 1;
        std::printf("mean %d %d %d %d %.1f %.1f %.1f\n", r.x, r.y, r.w, r.h, sum[0] / n, sum[1] / n,
                    sum[2] / n);
    }
    for (const Area& r : litRegions) {
        long lit = 0, n = 0;
        for (int y = r.y; y < r.y + r.h; ++y)
            for (int x = r.x; x < r.x + r.w; ++x) {
                if (x < 0 || y < 0 || x >= picture.width || y >= picture.height)
                    continue;
                const unsigned char* p = picture.at(x, y);
                lit += p[0] > 200 && p[1] > 170;
                ++n;
            }
        std::printf("lit %d %d %d %d %.3f\n", r.x, r.y, r.w, r.h,
                    n > 0 ? static_cast<double>(lit) / n : 0.0);
    }
    for (const DigitRow& row : digitRows) {
        std::string text;
        for (int i = 0; i < row.count; ++i)
            text += readDigit(picture, font,
                              {row.cell.x + i * row.cell.w, row.cell.y, row.cell.w, row.cell.h});
        std::printf("digits %d %d %d %d %d %s\n", row.cell.x, row.cell.y, row.cell.w, row.cell.h,
                    row.count, text.c_str());
    }
    if (!out.empty() && !stbi_write_png(out.c_str(), picture.width, picture.height, 3,
                                        picture.rgb.data(), picture.width * 3)) {
        std::fprintf(stderr, "vk-shot: cannot write %s\n", out.c_str());
        return 1;
    }
    return 0;
}
