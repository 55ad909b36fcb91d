#include "tools/art/models/ArcadeMeasures.h"
#include "tools/art/models/Sculptures.h"
#include "tools/art/models/Shapes.h"

#include <algorithm>

// Narrow houses with an open loggia of tall arches above the arcade roofs.
namespace {

constexpr float LOGGIA_BAY = 5;
constexpr float LOGGIA_SPRING = 11.5f;
constexpr float LOGGIA_TOP = 15.5f;
constexpr float LOGGIA_RADIUS = 1.8f;
constexpr float LOGGIA_DEPTH = 1.2f;
constexpr float HOUSE_TOP = 16.2f;
constexpr float ROOF_TOP = 19;
constexpr float SILL = 10.2f;

SculptedModel loggiaHouse(const char* fileName, int bays) {
    float width = bays * LOGGIA_BAY;
    float recess = HOUSE_FRONT - LOGGIA_DEPTH;
    SculptedModel model{fileName, {}};
    Mesh* facade = model.addPart("facade", ORANGE);
    // Lower wall, then the pillars between the loggia arches up to the springing.
    addBox(facade, vec(0, 0, recess), vec(width, SILL, HOUSE_FRONT),
           SIDE_FRONT | SIDE_WEST | SIDE_EAST | SIDE_TOP);
    for (int i = 0; i <= bays; ++i) {
        float x = i * LOGGIA_BAY;
        float half = LOGGIA_BAY / 2 - LOGGIA_RADIUS;
        addBox(facade, vec(std::max(0.0f, x - half), SILL, recess),
               vec(std::min(width, x + half), LOGGIA_SPRING, HOUSE_FRONT),
               SIDE_FRONT | SIDE_WEST | SIDE_EAST);
    }
    for (int i = 0; i < bays; ++i) {
        ArchBay bay;
        bay.x0 = i * LOGGIA_BAY;
        bay.width = LOGGIA_BAY;
        bay.ySpring = LOGGIA_SPRING;
        bay.yTop = LOGGIA_TOP;
        bay.radius = LOGGIA_RADIUS;
        bay.zFront = HOUSE_FRONT;
        bay.zBack = recess;
        addArchBay(facade, facade, facade, bay);
    }
    addBox(facade, vec(-0.2f, LOGGIA_TOP, recess), vec(width + 0.2f, HOUSE_TOP, HOUSE_FRONT + 0.3f),
           ALL_SIDES & ~SIDE_TOP);
    // The house behind the loggia, its front wall the back of the loggia.
    addBox(model.addPart("house", ORANGE), vec(0, 0, HOUSE_BACK), vec(width, HOUSE_TOP, recess),
           ALL_SIDES & ~SIDE_BOTTOM & ~SIDE_TOP);
    addHipRoof(model.addPart("roof", ORANGE), -0.3f, width + 0.3f, HOUSE_BACK - 0.3f,
               HOUSE_FRONT + 0.3f, HOUSE_TOP, ROOF_TOP);
    return model;
}

} // namespace

SculptedModel sculptArchPair() {
    return loggiaHouse("archpair.ASE", 2);
}
SculptedModel sculptArchTriple() {
    return loggiaHouse("archtriple.ASE", 3);
}
