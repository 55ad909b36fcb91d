#include "tools/art/models/ArcadeMeasures.h"
#include "tools/art/models/Sculptures.h"
#include "tools/art/models/Shapes.h"

#include <algorithm>

// The walls that close the street at the far end and the passages behind
// the goal towers. Both face +z, toward the player driving up to them.

namespace {

// The street end: two corner houses in the street's last ten units and a
// gabled wall between them across its back.
constexpr float STREET_HALF = 20;
constexpr float CORNER_INNER = 10;
constexpr float CORNER_DEPTH = 10;
constexpr float CORNER_TOP = 12;
constexpr float END_WALL_TOP = 9;
constexpr float END_WALL_BACK = -12;

// The passage end: a wall across the passage and the walkways either side.
constexpr float PASSAGE_HALF = 11.65f;
constexpr float WALKWAYS_HALF = PASSAGE_HALF + 9.4f;
constexpr float PASSAGE_WALL_TOP = 10;
constexpr float WALL_DEPTH = 5;

void addCornerRoof(Mesh* mesh, float side) {
    float x0 = side * CORNER_INNER, x1 = side * STREET_HALF;
    addHipRoof(mesh, std::min(x0, x1) - 0.4f, std::max(x0, x1) + 0.4f, -CORNER_DEPTH - 0.4f, 0.4f,
               CORNER_TOP, CORNER_TOP + 5);
}

} // namespace

SculptedModel sculptFrontCap() {
    SculptedModel model{"frontcap.ASE", {}};
    Mesh* walls = model.addPart("walls", GOLD);
    for (float side : {-1.0f, 1.0f}) {
        float x0 = side * CORNER_INNER, x1 = side * STREET_HALF;
        addBox(walls, vec(std::min(x0, x1), 0, -CORNER_DEPTH), vec(std::max(x0, x1), CORNER_TOP, 0),
               ALL_SIDES & ~SIDE_BOTTOM & ~SIDE_TOP);
        // A doorway painted dark by the shading: a shallow porch block.
        addBox(walls, vec(side * 15 - 1.5f, 0, 0), vec(side * 15 + 1.5f, 4, 0.4f),
               SIDE_FRONT | SIDE_WEST | SIDE_EAST | SIDE_TOP);
    }
    addBox(walls, vec(-CORNER_INNER, 0, END_WALL_BACK),
           vec(CORNER_INNER, END_WALL_TOP, -CORNER_DEPTH), SIDE_FRONT | SIDE_BACK);
    ArchBay blind;
    blind.x0 = -4;
    blind.width = 8;
    blind.ySpring = 5;
    blind.yTop = END_WALL_TOP;
    blind.radius = 3;
    blind.zFront = -CORNER_DEPTH + 0.5f;
    blind.zBack = -CORNER_DEPTH;
    addArchBay(walls, walls, walls, blind);
    addBox(walls, vec(-4, 0, -CORNER_DEPTH), vec(-3, 5, -CORNER_DEPTH + 0.5f),
           SIDE_FRONT | SIDE_WEST | SIDE_EAST);
    addBox(walls, vec(3, 0, -CORNER_DEPTH), vec(4, 5, -CORNER_DEPTH + 0.5f),
           SIDE_FRONT | SIDE_WEST | SIDE_EAST);
    addCornerRoof(model.addPart("west roof", RED), -1);
    addCornerRoof(model.addPart("east roof", RED), 1);
    addGableRoof(model.addPart("end wall roof", RED), -CORNER_INNER, CORNER_INNER,
                 -CORNER_DEPTH + 0.6f, END_WALL_BACK - 0.6f, END_WALL_TOP, END_WALL_TOP + 1.6f,
                 true);
    return model;
}

SculptedModel sculptSideCap() {
    SculptedModel model{"ewcap.ASE", {}};
    Mesh* wall = model.addPart("wall", GOLD);
    addBox(wall, vec(-PASSAGE_HALF, 0, -WALL_DEPTH), vec(PASSAGE_HALF, PASSAGE_WALL_TOP, 0),
           ALL_SIDES & ~SIDE_BOTTOM);
    for (float side : {-1.0f, 1.0f}) {
        float x0 = side * PASSAGE_HALF, x1 = side * WALKWAYS_HALF;
        addBox(wall, vec(std::min(x0, x1), 0, -WALL_DEPTH), vec(std::max(x0, x1), EAVE, 0),
               ALL_SIDES & ~SIDE_BOTTOM);
    }
    Mesh* crown = model.addPart("pediment and pilasters", GOLD);
    addExtrusion(crown,
                 {vec(-PASSAGE_HALF - 0.3f, PASSAGE_WALL_TOP, 0.3f),
                  vec(PASSAGE_HALF + 0.3f, PASSAGE_WALL_TOP, 0.3f),
                  vec(0, PASSAGE_WALL_TOP + 4, 0.3f)},
                 vec(0, 0, -WALL_DEPTH - 0.6f));
    for (float x : {-8.0f, -3.0f, 3.0f, 8.0f})
        addBox(crown, vec(x - 0.6f, 0, 0), vec(x + 0.6f, PASSAGE_WALL_TOP, 0.4f),
               SIDE_FRONT | SIDE_WEST | SIDE_EAST | SIDE_TOP);
    return model;
}
