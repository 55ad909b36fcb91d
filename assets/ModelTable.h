#pragma once

#include "assets/Model.h"
#include "assets/ModelSlots.h"

#include <string>

// One model file and the model slot it fills.
struct ModelFile {
    ModelSlot slot;
    const char* file;
};

constexpr int MODEL_FILE_COUNT = 17;

// The models in load order, read from the working directory by exactly these
// names.
constexpr ModelFile MODEL_FILES[MODEL_FILE_COUNT] = {
    {MODEL_ARCH_CAPPED, "arch6capped.ase"},
    {MODEL_ARCH_OPEN, "arch6open.ase"},
    {MODEL_TOWER, "tower.ase"},
    {MODEL_BUILDING_BIG, "buildingbig.ASE"},
    {MODEL_BUILDING_SMALL, "buildingsmall.ASE"},
    {MODEL_ARCH_PAIR, "archpair.ASE"},
    {MODEL_ARCH_TRIPLE, "archtriple.ASE"},
    {MODEL_ARCH_CORNER, "archCorner.ASE"},
    {MODEL_ARCH_FRONT, "archFront.ASE"},
    {MODEL_LANDMARK, "quorel.ASE"},
    {MODEL_FRONT_CAP, "frontcap.ASE"},
    {MODEL_SIDE_CAP, "ewcap.ASE"},
    {MODEL_KART_BODY, "cart.ASE"},
    {MODEL_KART_OUTLINE, "cartbg.ASE"},
    {MODEL_PLANT, "plant.ASE"},
    {MODEL_ARROW, "arrow.ASE"},
    {MODEL_STEAM, "steam.ASE"},
};

// Three colours in the order lit, middle, dark, as copied into a mesh.
struct Palette {
    ShadeColor colors[3];
};

// The scenery's colours. Grey's dark band is brighter than its lit one, and
// red's lit and middle bands are equal: that is how the scenery was painted.
constexpr Palette PALETTE_RED{{{70, 13, 3}, {70, 13, 3}, {15, 3, 0}}};
constexpr Palette PALETTE_GOLD{{{94, 70, 11}, {41, 16, 0}, {15, 3, 0}}};
constexpr Palette PALETTE_ORANGE{{{60, 32, 11}, {51, 16, 0}, {30, 10, 0}}};
constexpr Palette PALETTE_GREY{{{50, 50, 50}, {50, 50, 50}, {70, 70, 70}}};
constexpr Palette PALETTE_BROWN{{{52, 16, 0}, {52, 16, 0}, {52, 16, 0}}};
constexpr Palette PALETTE_BLACK{{{10, 10, 10}, {10, 10, 10}, {10, 10, 10}}};
constexpr Palette PALETTE_STONE{{{42, 32, 30}, {32, 22, 19}, {22, 14, 11}}};
constexpr Palette PALETTE_SLATE{{{22, 23, 35}, {13, 15, 28}, {8, 8, 18}}};
constexpr Palette PALETTE_STEEL{{{40, 40, 40}, {30, 30, 30}, {20, 20, 20}}};
constexpr Palette PALETTE_UMBER{{{30, 15, 0}, {25, 12, 0}, {20, 9, 0}}};
// Where the scenery is lit from. Not unit length: the display-list builder
// normalises its own copy.
constexpr Vec3 LIGHT_UP_FRONT{0, 1, 1};
constexpr Vec3 LIGHT_UP_BACK{0, 1, -1};
constexpr Vec3 LIGHT_SIDE_BACK{-1, 0, -1};
constexpr Vec3 LIGHT_LOW_FRONT{0, 0.3f, 1};

// Reads the 17 model files from the folder (empty: the working directory)
// into their slots of models (MODEL_SLOTS long). A file that fails to load
// leaves its slot empty.
void loadModels(Model* models, const std::string& folder = "");
// Gives every loaded mesh its palette and light direction.
void prepareModels(Model* models);
void setShadeColor(ShadeColor* color, int8_t r, int8_t g, int8_t b);
void assignShading(MeshObject* object, const Palette& palette, Vec3 lightDir);
