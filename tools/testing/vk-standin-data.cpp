// Writes minimal stand-ins for every image and model the game reads into a
// folder, so that tests can start the game on data far smaller than the
// generated art, or on data they then damage.
//
//   vk-standin-data FOLDER

#include "assets/ModelTable.h"
#include "assets/TextureTable.h"
#include "tools/testing/StandInData.h"

#include <cstdio>
#include <filesystem>
#include <string>

static bool writeFile(const std::filesystem::path& path, const std::string& bytes) {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        return false;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    return std::fclose(out) == 0 && written;
}

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    for (int i = 0; i < TEXTURE_FILE_COUNT; ++i) {
        // A different colour per image, half of them see-through at the edge
        // of the alpha test, so a mix-up would show.
        auto shade = static_cast<uint8_t>(40 + 6 * i);
        std::string tga =
            standInTga(8, shade, static_cast<uint8_t>(255 - shade), 128, i % 2 ? 255 : 200);
        if (!writeFile(folder / TEXTURE_FILES[i].file, tga)) {
            std::fprintf(stderr, "vk-standin-data: cannot write %s\n", TEXTURE_FILES[i].file);
            return 1;
        }
    }
    for (const ModelFile& model : MODEL_FILES) {
        if (!writeFile(folder / model.file, standInAse())) {
            std::fprintf(stderr, "vk-standin-data: cannot write %s\n", model.file);
            return 1;
        }
    }
    return 0;
}
