#pragma once

// The sculptor's real output in the build's data folder, read back through
// the game's own ASE reader.
#include "assets/AseReader.h"
#include "assets/Model.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <string>

struct GeneratedModel {
    const char* name;
    int objectsAddressed; // by the game's shading preparation
};

inline constexpr GeneratedModel GENERATED_MODELS[17] = {
    {"arch6open.ase", 5},   {"arch6capped.ase", 5},   {"archpair.ASE", 3}, {"archtriple.ASE", 3},
    {"archCorner.ASE", 9},  {"tower.ase", 5},         {"quorel.ASE", 14},  {"archFront.ASE", 11},
    {"buildingbig.ASE", 4}, {"buildingsmall.ASE", 4}, {"cart.ASE", 11},    {"cartbg.ASE", 1},
    {"plant.ASE", 9},       {"arrow.ASE", 1},         {"steam.ASE", 9},    {"frontcap.ASE", 4},
    {"ewcap.ASE", 2}};

// The build writes the models beside the test programs' folder.
inline std::filesystem::path modelDataFolder() {
    return std::filesystem::canonical("/proc/self/exe").parent_path().parent_path() / "data";
}

inline const Model& generatedModel(const std::string& name) {
    static std::map<std::string, Model> loaded;
    auto found = loaded.find(name);
    if (found != loaded.end())
        return found->second;
    Model model;
    loadAse(&model, (modelDataFolder() / name).string().c_str());
    return loaded[name] = model;
}

struct Bounds {
    Vec3 lo{1e9f, 1e9f, 1e9f};
    Vec3 hi{-1e9f, -1e9f, -1e9f};

    void include(Vec3 p) {
        lo.set(std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z));
        hi.set(std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z));
    }
};

inline Bounds boundsOf(const MeshObject& object) {
    Bounds b;
    for (const Vec3& v : object.vertices)
        b.include(v);
    return b;
}

inline Bounds boundsOf(const Model& model) {
    Bounds b;
    for (const MeshObject& object : model.objects)
        for (const Vec3& v : object.vertices)
            b.include(v);
    return b;
}
