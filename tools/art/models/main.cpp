// vk-sculpt: writes the game's seventeen model files into one folder.
#include "tools/art/models/AseWriter.h"
#include "tools/art/models/Sculptures.h"

#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    // An option is never a folder: "--help" asks for this line.
    if (argc != 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "usage: vk-sculpt OUTPUT_FOLDER\n");
        return 2;
    }
    std::error_code made;
    std::filesystem::create_directories(argv[1], made);
    if (made) {
        std::fprintf(stderr, "vk-sculpt: cannot make the folder %s: %s\n", argv[1],
                     made.message().c_str());
        return 1;
    }
    for (const SculptedModel& model : sculptAll()) {
        std::string path = std::string(argv[1]) + "/" + model.fileName;
        std::string text = aseText(model);
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (!file) {
            std::fprintf(stderr, "vk-sculpt: cannot write %s\n", path.c_str());
            return 1;
        }
        bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
        if (std::fclose(file) != 0 || !written) {
            std::fprintf(stderr, "vk-sculpt: failed writing %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
