#include "tools/art/models/ArcadeMeasures.h"
#include "tools/art/models/Sculptures.h"
#include "tools/art/models/Shapes.h"

// The pavilion that turns an arcade row through a right angle. In its own
// frame the arriving row ends at x = 0 facing +z and the leaving row starts at
// z = 2.5 facing -x; the corner pier joins their column lines.
namespace {

constexpr float WEST = 0;
constexpr float EAST = 11.5f; // the leaving row's back wall
constexpr float NORTH = 2.5f; // where the leaving row starts
constexpr float SOUTH = BACK_WALL_FRONT;
constexpr float PIER_FACE_X = 2.5f;
constexpr float PIER_BACK_X = 3.4f;
constexpr float ATTIC_TOP = 10.6f;
constexpr float WALL = 0.4f;
constexpr float CORNER_SPIRE_TOP = 15.2f;

void addCornerPier(Mesh* mesh) {
    addBox(mesh, vec(WEST, 0, COLUMN_BACK), vec(PIER_BACK_X, PANEL_TOP, 0),
           SIDE_FRONT | SIDE_BACK | SIDE_EAST);
    addBox(mesh, vec(PIER_FACE_X, 0, 0), vec(PIER_BACK_X, PANEL_TOP, NORTH),
           SIDE_WEST | SIDE_EAST | SIDE_FRONT);
}

void addAtticSide(Mesh* mesh, Vec3 lo, Vec3 hi) {
    addBox(mesh, lo, hi, ALL_SIDES & ~SIDE_BOTTOM);
}

} // namespace

SculptedModel sculptArchCorner() {
    SculptedModel model{"archCorner.ASE", {}};
    addFace(model.addPart("ceiling", RED),
            {vec(WEST, PANEL_TOP, SOUTH), vec(EAST, PANEL_TOP, SOUTH), vec(EAST, PANEL_TOP, NORTH),
             vec(WEST, PANEL_TOP, NORTH)},
            vec(0, -1, 0));
    addCornerPier(model.addPart("corner pier", GOLD));
    float overhang = 0.6f;
    Ring eaves = {vec(WEST - overhang, ATTIC_TOP, SOUTH - overhang),
                  vec(EAST + overhang, ATTIC_TOP, SOUTH - overhang),
                  vec(EAST + overhang, ATTIC_TOP, NORTH + overhang),
                  vec(WEST - overhang, ATTIC_TOP, NORTH + overhang)};
    addPyramid(model.addPart("pavilion roof", RED), eaves,
               vec((WEST + EAST) / 2, CORNER_SPIRE_TOP, (SOUTH + NORTH) / 2), true);
    addAtticSide(model.addPart("attic north", GOLD), vec(WEST, PANEL_TOP, NORTH - WALL),
                 vec(EAST, ATTIC_TOP, NORTH));
    addAtticSide(model.addPart("attic west", GOLD), vec(WEST, PANEL_TOP, SOUTH),
                 vec(WEST + WALL, ATTIC_TOP, NORTH - WALL));
    addAtticSide(model.addPart("attic south", GOLD), vec(WEST + WALL, PANEL_TOP, SOUTH),
                 vec(EAST, ATTIC_TOP, SOUTH + WALL));
    addAtticSide(model.addPart("attic east", GOLD), vec(EAST - WALL, PANEL_TOP, SOUTH + WALL),
                 vec(EAST, ATTIC_TOP, NORTH - WALL));
    Mesh* lantern = model.addPart("lantern", GOLD);
    float cx = (WEST + EAST) / 2, cz = (SOUTH + NORTH) / 2;
    addBox(lantern, vec(cx - 0.6f, CORNER_SPIRE_TOP - 1.4f, cz - 0.6f),
           vec(cx + 0.6f, CORNER_SPIRE_TOP + 0.4f, cz + 0.6f), ALL_SIDES & ~SIDE_BOTTOM);
    addPyramid(lantern, ringXZ(cx, CORNER_SPIRE_TOP + 0.4f, cz, 0.8f, 0.8f, 4, 45),
               vec(cx, CORNER_SPIRE_TOP + 1.8f, cz), true);
    Mesh* back = model.addPart("back walls", GREY);
    addBox(back, vec(WEST, 0, SOUTH - 0.3f), vec(EAST, PANEL_TOP, SOUTH), SIDE_FRONT | SIDE_BACK);
    addBox(back, vec(EAST, 0, SOUTH - 0.3f), vec(EAST + 0.3f, PANEL_TOP, NORTH),
           SIDE_WEST | SIDE_EAST);
    return model;
}
