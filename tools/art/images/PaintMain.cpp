// vk-paint FOLDER: writes the game's images and engine sample into FOLDER.
#include "GameData.h"

#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vk-paint FOLDER\n");
        return 2;
    }
    std::error_code made;
    std::filesystem::create_directories(argv[1], made);
    if (made) {
        std::fprintf(stderr, "vk-paint: cannot make the folder %s: %s\n", argv[1],
                     made.message().c_str());
        return 1;
    }
    std::string error;
    if (!writeGameData(argv[1], &error)) {
        std::fprintf(stderr, "vk-paint: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
