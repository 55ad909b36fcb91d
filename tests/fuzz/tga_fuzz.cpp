// Any bytes as an image file: the decoder must neither crash nor read or
// write outside its buffers, and what it yields must fit its size.
#include "assets/TgaReader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TgaImage image;
    std::string error;
    if (!decodeTga(data, size, &image, &error)) {
        if (error.empty())
            std::abort();
        return 0;
    }
    if (image.width <= 0 || image.height <= 0 || image.width > MAX_TGA_SIDE ||
        image.height > MAX_TGA_SIDE || (image.channels != 3 && image.channels != 4) ||
        image.pixels.size() != size_t(image.width) * size_t(image.height) * size_t(image.channels))
        std::abort();
    return 0;
}
