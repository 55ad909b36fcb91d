#include "assets/MipChain.h"

#include <cstddef>

namespace {

bool powerOfTwo(int32_t n) {
    return n > 0 && (n & (n - 1)) == 0;
}

} // namespace

bool halvesEvenly(const TgaImage& image) {
    return powerOfTwo(image.width) && powerOfTwo(image.height);
}

TgaImage halvedImage(const TgaImage& image) {
    const int c = image.channels;
    const int w = image.width, h = image.height;
    TgaImage out;
    out.channels = c;
    out.width = w > 1 ? w / 2 : 1;
    out.height = h > 1 ? h / 2 : 1;
    out.pixels.resize(static_cast<size_t>(out.width) * out.height * c);
    const uint8_t* in = image.pixels.data();
    uint8_t* o = out.pixels.data();
    const size_t row = static_cast<size_t>(w) * c;
    if (w > 1 && h > 1) {
        for (int y = 0; y < out.height; ++y) {
            const uint8_t* top = in + 2 * y * row;
            const uint8_t* bottom = top + row;
            for (int x = 0; x < out.width; ++x)
                for (int k = 0; k < c; ++k) {
                    const size_t left = static_cast<size_t>(2 * x) * c + k, right = left + c;
                    *o++ = static_cast<uint8_t>(
                        (top[left] + top[right] + bottom[left] + bottom[right] + 2) / 4);
                }
        }
        return out;
    }
    // A single row or column: pairs along it.
    const size_t step = w > 1 ? static_cast<size_t>(c) : row;
    const int pairs = w > 1 ? out.width : out.height;
    for (int i = 0; i < pairs; ++i)
        for (int k = 0; k < c; ++k) {
            const size_t first = 2 * i * step + k;
            *o++ = static_cast<uint8_t>((in[first] + in[first + step]) / 2);
        }
    return out;
}
