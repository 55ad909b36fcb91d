// vk-paint FOLDER: writes the game's images and engine sample into FOLDER.
// vk-paint --icons FOLDER: writes the desktop icon at every size into FOLDER.
#include "GameData.h"

#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    const bool icons = argc == 3 && std::string(argv[1]) == "--icons";
    if ((argc != 2 && !icons) || (argc == 2 && argv[1][0] == '-')) {
        std::fprintf(stderr, "usage: vk-paint FOLDER\n       vk-paint --icons FOLDER\n");
        return 2;
    }
    const char* folder = argv[argc - 1];
    std::error_code made;
    std::filesystem::create_directories(folder, made);
    if (made) {
        std::fprintf(stderr, "vk-paint: cannot make the folder %s: %s\n", folder,
                     made.message().c_str());
        return 1;
    }
    std::string error;
    if (!(icons ? writeIcons(folder, &error) : writeGameData(folder, &error))) {
        std::fprintf(stderr, "vk-paint: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
