#include "shell/ConfigFiles.h"

#include "app/ControlsFile.h"
#include "app/World.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

std::string configFolder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/')
        return std::string(xdg) + "/vorlane-kart";
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0')
        return std::string(home) + "/.config/vorlane-kart";
    return "";
}

void loadControls(World& world) {
    const std::string folder = configFolder();
    if (folder.empty())
        return;
    const std::string path = folder + "/controls.conf";
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return; // no file, nothing to say
    std::ostringstream text;
    text << file.rdbuf();
    std::vector<std::string> problems;
    const ControlsChoice choice = readControls(text.str(), path, &problems);
    for (const std::string& problem : problems)
        std::fprintf(stderr, "vorlane-kart: %s\n", problem.c_str());
    world.bindings = choice.keys;
    world.padLayouts[0] = choice.pads[0];
    world.padLayouts[1] = choice.pads[1];
}
