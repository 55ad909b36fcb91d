#include "TgaWriter.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr uint8_t TYPE_TRUE_COLOUR = 2;
constexpr uint8_t TYPE_TRUE_COLOUR_RLE = 10;
constexpr int HEADER_SIZE = 18;
constexpr int MAX_PACKET = 128;

void putLittle16(std::vector<uint8_t>& out, int value) {
    out.push_back(static_cast<uint8_t>(value & 255));
    out.push_back(static_cast<uint8_t>((value >> 8) & 255));
}

// TGA keeps blue, green, red (, alpha).
void putPixel(std::vector<uint8_t>& out, const uint8_t* rgba, int channels) {
    out.push_back(rgba[2]);
    out.push_back(rgba[1]);
    out.push_back(rgba[0]);
    if (channels == 4)
        out.push_back(rgba[3]);
}

// Packets never cross a row end, as the format asks, so any reader copes.
void putRunLengthRow(std::vector<uint8_t>& out, const uint8_t* row, int width, int channels) {
    auto same = [&](int a, int b) {
        return std::memcmp(row + a * channels, row + b * channels, channels) == 0;
    };
    int x = 0;
    while (x < width) {
        int run = 1;
        while (x + run < width && run < MAX_PACKET && same(x, x + run))
            ++run;
        if (run > 1) {
            out.push_back(static_cast<uint8_t>(0x80 | (run - 1)));
            putPixel(out, row + x * channels, channels);
            x += run;
            continue;
        }
        int literal = 1;
        while (x + literal < width && literal < MAX_PACKET &&
               !(x + literal + 1 < width && same(x + literal, x + literal + 1)))
            ++literal;
        out.push_back(static_cast<uint8_t>(literal - 1));
        for (int i = 0; i < literal; ++i)
            putPixel(out, row + (x + i) * channels, channels);
        x += literal;
    }
}

} // namespace

std::vector<uint8_t> encodeTga(const Canvas& canvas, TgaFormat format) {
    const int channels = format.bitsPerPixel / 8;
    const std::vector<uint8_t> pixels = canvasBytes(canvas, channels);
    const bool runLength = format.packing == TgaPacking::RunLength;

    std::vector<uint8_t> out;
    out.reserve(HEADER_SIZE + pixels.size() + pixels.size() / 64);
    out.push_back(0); // no image ID
    out.push_back(0); // no colour map
    out.push_back(runLength ? TYPE_TRUE_COLOUR_RLE : TYPE_TRUE_COLOUR);
    out.insert(out.end(), 5, 0); // colour-map fields, unused
    putLittle16(out, 0);         // x origin
    putLittle16(out, 0);         // y origin
    putLittle16(out, canvas.width);
    putLittle16(out, canvas.height);
    out.push_back(static_cast<uint8_t>(format.bitsPerPixel));
    out.push_back(channels == 4 ? 8 : 0); // alpha bits; origin bottom-left

    const size_t rowBytes = static_cast<size_t>(canvas.width) * channels;
    for (int y = canvas.height - 1; y >= 0; --y) {
        const uint8_t* row = pixels.data() + y * rowBytes;
        if (runLength) {
            putRunLengthRow(out, row, canvas.width, channels);
        } else {
            for (int x = 0; x < canvas.width; ++x)
                putPixel(out, row + x * channels, channels);
        }
    }
    return out;
}

bool writeBytes(const std::string& path, const std::vector<uint8_t>& bytes, std::string* error) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        *error = path + ": cannot open for writing";
        return false;
    }
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    written = std::fclose(file) == 0 && written;
    if (!written)
        *error = path + ": write failed";
    return written;
}
