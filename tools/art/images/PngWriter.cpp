#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include "PngWriter.h"

#include <stb_image_write.h>

namespace {

void append(void* context, void* data, int size) {
    auto* out = static_cast<std::vector<uint8_t>*>(context);
    const auto* bytes = static_cast<const uint8_t*>(data);
    out->insert(out->end(), bytes, bytes + size);
}

} // namespace

std::vector<uint8_t> encodePng(const Canvas& canvas) {
    const std::vector<uint8_t> pixels = canvasBytes(canvas, 4);
    std::vector<uint8_t> out;
    if (!stbi_write_png_to_func(append, &out, canvas.width, canvas.height, 4, pixels.data(),
                                canvas.width * 4))
        out.clear();
    return out;
}
