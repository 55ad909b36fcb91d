#pragma once

#include "tools/art/models/SculptedModel.h"

#include <vector>

// One function per model file; each returns the file's name and its mesh
// objects in the order the game's shading preparation addresses them.
SculptedModel sculptArch6Open();
SculptedModel sculptArch6Capped();
SculptedModel sculptArchPair();
SculptedModel sculptArchTriple();
SculptedModel sculptArchCorner();
SculptedModel sculptTower();
SculptedModel sculptChurch();
SculptedModel sculptArchFront();
SculptedModel sculptBuildingBig();
SculptedModel sculptBuildingSmall();
SculptedModel sculptKartBody();
SculptedModel sculptKartOutline();
SculptedModel sculptPlant();
SculptedModel sculptArrow();
SculptedModel sculptSteam();
SculptedModel sculptFrontCap();
SculptedModel sculptSideCap();

// All seventeen, in the order the game loads them.
std::vector<SculptedModel> sculptAll();
