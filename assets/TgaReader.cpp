#include "assets/TgaReader.h"

#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

constexpr size_t HEADER_BYTES = 18;
constexpr int TYPE_COLOUR_MAPPED = 1;
constexpr int TYPE_TRUE_COLOUR = 2;
constexpr int TYPE_GREYSCALE = 3;
constexpr int TYPE_RLE_COLOUR_MAPPED = 9;
constexpr int TYPE_RLE_TRUE_COLOUR = 10;
constexpr int TYPE_RLE_GREYSCALE = 11;
// Larger than any TGA the game could use; refused before it is read whole.
constexpr long MAX_TGA_FILE_BYTES = 4L * MAX_TGA_SIDE * MAX_TGA_SIDE + (1L << 20);

uint16_t readLittle16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | p[1] << 8);
}

// The bytes of the image data, and how far decoding has read into them.
struct TgaBytes {
    const uint8_t* data;
    size_t size;
    size_t at;

    size_t left() const { return size - at; }
};

// Blue, green, red (, alpha) in the file; red, green, blue (, alpha) out.
template <size_t CHANNELS> void swapPixels(const uint8_t* in, uint8_t* out, size_t count) {
    if constexpr (CHANNELS == 4 && std::endian::native == std::endian::little) {
        // A whole pixel at a time: blue and red trade places, green and
        // alpha stay.
        for (size_t i = 0; i < count; ++i) {
            uint32_t v;
            std::memcpy(&v, in + 4 * i, 4);
            v = (v & 0xFF00FF00u) | ((v >> 16) & 0xFFu) | ((v & 0xFFu) << 16);
            std::memcpy(out + 4 * i, &v, 4);
        }
    } else {
        for (size_t i = 0; i < count; ++i) {
            const uint8_t* from = in + CHANNELS * i;
            uint8_t* to = out + CHANNELS * i;
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
            if constexpr (CHANNELS == 4)
                to[3] = from[3];
        }
    }
}

template <size_t CHANNELS>
bool decodeRunLength(TgaBytes* bytes, TgaImage* image, std::string* error) {
    uint8_t* out = image->pixels.data();
    const size_t pixelCount = image->pixels.size() / CHANNELS;
    const uint8_t* data = bytes->data;
    size_t done = 0;
    while (done < pixelCount) {
        if (bytes->left() == 0) {
            image->truncated = true;
            return true;
        }
        uint8_t header = data[bytes->at++];
        bool isRun = header >= 128;
        size_t count = isRun ? header - 127u : header + 1u;
        if (done + count > pixelCount) {
            *error = "run-length packet runs past the last pixel";
            return false;
        }
        if (isRun) {
            // One pixel, repeated.
            if (bytes->left() < CHANNELS) {
                image->truncated = true;
                return true;
            }
            uint8_t pixel[CHANNELS];
            swapPixels<CHANNELS>(data + bytes->at, pixel, 1);
            bytes->at += CHANNELS;
            for (size_t i = 0; i < count; ++i)
                std::memcpy(out + (done + i) * CHANNELS, pixel, CHANNELS);
        } else {
            // As many pixels as are there; a file cut short ends the image.
            size_t present = bytes->left() / CHANNELS;
            size_t n = count < present ? count : present;
            swapPixels<CHANNELS>(data + bytes->at, out + done * CHANNELS, n);
            bytes->at += n * CHANNELS;
            if (n < count) {
                image->truncated = true;
                return true;
            }
        }
        done += count;
    }
    return true;
}

template <size_t CHANNELS> void decodeTrueColour(TgaBytes* bytes, TgaImage* image) {
    size_t pixelCount = image->pixels.size() / CHANNELS;
    size_t present = bytes->left() / CHANNELS;
    if (present < pixelCount) {
        image->truncated = true;
        pixelCount = present;
    }
    swapPixels<CHANNELS>(bytes->data + bytes->at, image->pixels.data(), pixelCount);
}

// Five bits each of red, green and blue; the top bit is not alpha here.
void decodeHighColour(TgaBytes* bytes, TgaImage* image) {
    size_t pixelCount = image->pixels.size() / 3;
    size_t present = bytes->left() / 2;
    if (present < pixelCount) {
        image->truncated = true;
        pixelCount = present;
    }
    for (size_t i = 0; i < pixelCount; ++i) {
        uint16_t v = readLittle16(bytes->data + bytes->at + 2 * i);
        uint8_t* out = &image->pixels[3 * i];
        out[0] = static_cast<uint8_t>(((v >> 10) & 31) * 8);
        out[1] = static_cast<uint8_t>(((v >> 5) & 31) * 8);
        out[2] = static_cast<uint8_t>((v & 31) * 8);
    }
}

bool checkImageType(int type, int depth, std::string* error) {
    if (type == TYPE_COLOUR_MAPPED || type == TYPE_RLE_COLOUR_MAPPED) {
        *error = "colour-mapped images are not supported";
        return false;
    }
    if (type == TYPE_GREYSCALE || type == TYPE_RLE_GREYSCALE) {
        *error = "greyscale images are not supported";
        return false;
    }
    if (type != TYPE_TRUE_COLOUR && type != TYPE_RLE_TRUE_COLOUR) {
        *error = "unsupported image type " + std::to_string(type);
        return false;
    }
    bool depthOk = depth == 24 || depth == 32 || (depth == 16 && type == TYPE_TRUE_COLOUR);
    if (!depthOk) {
        *error = "unsupported pixel depth " + std::to_string(depth);
        if (type == TYPE_RLE_TRUE_COLOUR)
            *error += " for a run-length encoded image";
        return false;
    }
    return true;
}

} // namespace

namespace {

bool checkImageSize(int width, int height, std::string* error) {
    if (width == 0 || height == 0) {
        *error = "zero image size " + std::to_string(width) + " x " + std::to_string(height);
        return false;
    }
    if (width > MAX_TGA_SIDE || height > MAX_TGA_SIDE) {
        *error = "image size " + std::to_string(width) + " x " + std::to_string(height) +
                 " exceeds the limit of " + std::to_string(MAX_TGA_SIDE) + " x " +
                 std::to_string(MAX_TGA_SIDE);
        return false;
    }
    return true;
}

} // namespace

bool decodeTga(const uint8_t* data, size_t size, TgaImage* image, std::string* error) {
    std::string scratch;
    if (!error)
        error = &scratch;
    if (!image || (!data && size > 0)) {
        *error = "no image to decode";
        return false;
    }
    if (size < HEADER_BYTES) {
        *error = "truncated header";
        return false;
    }
    const int idLength = data[0];
    const int colourMapType = data[1];
    const int type = data[2];
    const int width = readLittle16(data + 12);
    const int height = readLittle16(data + 14);
    const int depth = data[16];

    if (!checkImageType(type, depth, error))
        return false;
    if (!checkImageSize(width, height, error))
        return false;

    // A true-colour image may still carry a colour map; its entries sit
    // between the ID and the pixels and are skipped.
    size_t mapBytes = 0;
    if (colourMapType != 0)
        mapBytes = size_t{readLittle16(data + 5)} * ((data[7] + 7u) / 8u);
    const size_t pixelStart = HEADER_BYTES + idLength + mapBytes;
    if (pixelStart > size) {
        *error = mapBytes ? "colour map runs past the end of the file"
                          : "image ID runs past the end of the file";
        return false;
    }

    TgaImage decoded;
    decoded.width = width;
    decoded.height = height;
    decoded.channels = depth == 32 ? 4 : 3;
    decoded.pixels.assign(size_t(width) * size_t(height) * size_t(decoded.channels), 0);
    TgaBytes bytes{data, size, pixelStart};
    if (type == TYPE_RLE_TRUE_COLOUR) {
        bool decodedWhole = decoded.channels == 4 ? decodeRunLength<4>(&bytes, &decoded, error)
                                                  : decodeRunLength<3>(&bytes, &decoded, error);
        if (!decodedWhole)
            return false;
    } else if (depth == 16) {
        decodeHighColour(&bytes, &decoded);
    } else if (decoded.channels == 4) {
        decodeTrueColour<4>(&bytes, &decoded);
    } else {
        decodeTrueColour<3>(&bytes, &decoded);
    }
    *image = std::move(decoded);
    return true;
}

bool readTga(const char* path, TgaImage* image, std::string* error) {
    std::string scratch;
    if (!error)
        error = &scratch;
    if (!path) {
        *error = "no file name";
        return false;
    }
    std::FILE* file = std::fopen(path, "rb");
    if (!file) {
        *error = errno == ENOENT ? "file not found" : std::strerror(errno);
        return false;
    }
    std::vector<uint8_t> contents;
    uint8_t chunk[65536];
    size_t n;
    bool tooLarge = false;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        if (contents.size() + n > static_cast<size_t>(MAX_TGA_FILE_BYTES)) {
            tooLarge = true;
            break;
        }
        contents.insert(contents.end(), chunk, chunk + n);
    }
    bool failed = std::ferror(file) != 0;
    int readErrno = errno;
    std::fclose(file);
    if (tooLarge) {
        *error = "file is too large for an image of at most " + std::to_string(MAX_TGA_SIDE) +
                 " x " + std::to_string(MAX_TGA_SIDE);
        return false;
    }
    if (failed) {
        *error = std::strerror(readErrno);
        return false;
    }
    return decodeTga(contents.data(), contents.size(), image, error);
}
