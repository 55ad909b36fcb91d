#pragma once

#include "assets/Model.h"
#include "assets/ModelSlots.h"

// One model file and the model slot it fills.
struct ModelFile {
    ModelSlot slot;
    const char* file;
};

constexpr int MODEL_FILE_COUNT = 17;

// The models in load order, read from the working directory by exactly these
// names. Slot 15 is never loaded.
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

// Set once by initShadingTables, then only read.
extern Palette paletteRed, paletteGold, paletteOrange, paletteGrey, paletteBrown, paletteBlack,
    paletteStone, paletteSlate, paletteSteel, paletteUmber;
// Not unit length: the display-list builder normalises its own copy.
extern Vec3 lightUpFront, lightUpBack, lightSideBack, lightLowFront;

void initShadingTables();

// Reads the 17 model files from the working directory into their slots of
// models (MODEL_SLOTS long). A file that fails to load leaves its slot empty.
void loadModels(Model* models);
// Gives every loaded mesh its palette and light direction.
void prepareModels(Model* models);
void setShadeColor(ShadeColor* color, int8_t r, int8_t g, int8_t b);
void assignShading(MeshObject* object, const Palette& palette, Vec3 lightDir);
