#pragma once

#include <string>
#include <vector>

// Where the game's images, models and sound are read from: the working
// directory if it holds them (so ./play and the tests run from build/data);
// otherwise the installed data beside the program (../share/vorlane-kart),
// the build's own data folder beside it (data/), then the folder it was
// installed to. found is false when none holds them; searched lists every
// folder looked in, first to last.
struct DataFolder {
    std::string folder; // empty: the working directory
    bool found = false;
    std::vector<std::string> searched;
};

// exePath: the program's own path (from /proc/self/exe); fromBin: the
// installed data seen from the program's folder ("../share/vorlane-kart");
// installedFolder: where `cmake --install` was configured to put it.
DataFolder findDataFolder(const std::string& workingDirectory, const std::string& exePath,
                          const std::string& fromBin, const std::string& installedFolder);

// The file every data folder holds, to tell one.
constexpr const char* DATA_MARKER = "cloud1.tga";
