// Our TGA decoder against stb_image's, over the game's 31 images. Both decode
// from memory: every file is read into memory first, then decodeTga against
// stbi_load_from_memory with the file's own channel count. Releasing the
// pixels is left out of both times. Reported, never judged.
//
//   vk-tga-compare [--row] [--runs N] [DATA]
//
// DATA is the folder of the image files (the build's data by default). The
// comparison runs with fresh and then with reused memory (see BenchTimes.h).
// --row prints one "bench NAME memory M files ... ratio R runs N" line per
// comparison instead of the table.

#include "BenchTimes.h"

#include "assets/TextureTable.h"
#include "assets/TgaReader.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stb/stb_image.h>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

bool readFile(const std::string& path, Bytes* bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    bytes->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

// Both decoders over every image, in alternating order from run to run. The
// pixels are released after the clock stops.
void timeBoth(const std::vector<Bytes>& files, int runs, Comparison* c) {
    std::vector<TgaImage> images(files.size());
    std::vector<stbi_uc*> decoded(files.size());
    for (int run = 0; run < runs; ++run) {
        for (int turn = 0; turn < 2; ++turn) {
            if ((turn == 0) == (run % 2 == 0)) {
                c->ours.add(timeOf([&] {
                    for (size_t i = 0; i < files.size(); ++i)
                        decodeTga(files[i].data(), files[i].size(), &images[i], nullptr);
                }));
                for (TgaImage& image : images)
                    image = TgaImage{};
            } else {
                c->theirs.add(timeOf([&] {
                    int w, h, n;
                    for (size_t i = 0; i < files.size(); ++i)
                        decoded[i] = stbi_load_from_memory(
                            files[i].data(), static_cast<int>(files[i].size()), &w, &h, &n, 0);
                }));
                for (stbi_uc*& pixels : decoded) {
                    stbi_image_free(pixels);
                    pixels = nullptr;
                }
            }
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    bool asRows = false;
    int runs = 50;
    std::string data = VK_BENCH_DATA_DIR;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--row")) {
            asRows = true;
        } else if (!std::strcmp(argv[i], "--runs") && i + 1 < argc &&
                   (runs = std::atoi(argv[i + 1])) > 0) {
            ++i;
        } else if (argv[i][0] != '-') {
            data = argv[i];
        } else {
            std::fprintf(stderr, "usage: vk-tga-compare [--row] [--runs N] [DATA]\n");
            return 2;
        }
    }

    std::vector<Bytes> files;
    Comparison c;
    c.name = "tga-images";
    c.reference = "stb_image";
    for (const TextureFile& file : TEXTURE_FILES) {
        std::string path = (std::filesystem::path(data) / file.file).string();
        Bytes bytes;
        if (!readFile(path, &bytes)) {
            std::fprintf(stderr, "tga-compare: cannot read %s\n", path.c_str());
            return 1;
        }
        c.bytes += bytes.size();
        files.push_back(std::move(bytes));
    }
    c.fileCount = static_cast<int>(files.size());
    c.files = std::to_string(c.fileCount) + " images, " + std::to_string(c.bytes >> 10) + " KiB";

    // Both must decode every image, to the same size.
    for (size_t i = 0; i < files.size(); ++i) {
        TgaImage image;
        std::string error;
        int w = 0, h = 0, n = 0;
        stbi_uc* pixels = stbi_load_from_memory(files[i].data(), static_cast<int>(files[i].size()),
                                                &w, &h, &n, 0);
        bool ours = decodeTga(files[i].data(), files[i].size(), &image, &error);
        if (!ours || !pixels || w != image.width || h != image.height) {
            std::fprintf(stderr, "tga-compare: %s: ours %s, stb_image %s\n", TEXTURE_FILES[i].file,
                         ours ? "decodes" : error.c_str(),
                         pixels ? "decodes to another size" : stbi_failure_reason());
            return 1;
        }
        stbi_image_free(pixels);
    }

    std::vector<Comparison> rows;
    for (const char* memory : {"fresh", "reused"}) {
        bool reused = memory[0] == 'r';
        if (reused)
            keepFreedMemory();
        Comparison pass = c;
        pass.name = reused ? "tga-images-reused" : "tga-images";
        pass.memory = memory;
        timeBoth(files, runs, &pass);
        rows.push_back(pass);
    }
    if (asRows)
        printRows(rows);
    else
        printTable("TGA: decoding from memory, ours (decodeTga) against stbi_load_from_memory",
                   rows);
    return 0;
}
