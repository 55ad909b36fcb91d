#include "tools/art/models/Sculptures.h"
#include "tools/art/models/Shapes.h"

// The gate tower over a goal mouth: two piers 25 apart (the mouth), a tall
// arch between them through the tower's depth, a clock stage above and a
// pyramid roof. The field is toward +z.
namespace {

constexpr float MOUTH = 25;
constexpr float TOWER_DEPTH = 9.6f;
constexpr float PIER = 7.4f; // each pier's width, pilasters aside
constexpr float PILASTER = 0.6f;
constexpr float GOAL_SPRING = 6.5f;
constexpr float GOAL_RADIUS = MOUTH / 2 - PIER - PILASTER;
constexpr float PIER_TOP = 14;
constexpr float STAGE_TOP = 24;
constexpr float SPIRE_TOP = 31.5f;

// The arch over the goal mouth: its faces go to the walls, its soffit to the trim.
ArchBay goalArch() {
    ArchBay goal;
    goal.x0 = PIER;
    goal.width = MOUTH - 2 * PIER;
    goal.ySpring = GOAL_SPRING;
    goal.yTop = PIER_TOP;
    goal.radius = GOAL_RADIUS;
    goal.zFront = 0;
    goal.zBack = -TOWER_DEPTH;
    goal.segments = 8;
    return goal;
}

void addWalls(Mesh* mesh) {
    unsigned sides = SIDE_WEST | SIDE_EAST | SIDE_FRONT | SIDE_BACK;
    addBox(mesh, vec(0, 0, -TOWER_DEPTH), vec(PIER, PIER_TOP, 0), sides);
    addBox(mesh, vec(MOUTH - PIER, 0, -TOWER_DEPTH), vec(MOUTH, PIER_TOP, 0), sides);
    ArchBay goal = goalArch();
    Mesh soffit;
    addArchBay(mesh, mesh, &soffit, goal);
    // The clock stage, set back from the pier faces.
    addBox(mesh, vec(6, PIER_TOP, -TOWER_DEPTH + 1), vec(MOUTH - 6, STAGE_TOP, -1),
           ALL_SIDES & ~SIDE_BOTTOM);
}

void addGoalSoffitAndTrim(Mesh* mesh) {
    ArchBay goal = goalArch();
    Mesh front, back;
    addArchBay(&front, &back, mesh, goal);
    unsigned sides = SIDE_WEST | SIDE_EAST | SIDE_FRONT | SIDE_BACK;
    addBox(mesh, vec(PIER, 0, -TOWER_DEPTH), vec(PIER + PILASTER, GOAL_SPRING, 0), sides);
    addBox(mesh, vec(MOUTH - PIER - PILASTER, 0, -TOWER_DEPTH), vec(MOUTH - PIER, GOAL_SPRING, 0), sides);
    addBox(mesh, vec(-0.2f, PIER_TOP - 0.5f, -TOWER_DEPTH - 0.3f), vec(MOUTH + 0.2f, PIER_TOP, 0.3f),
           ALL_SIDES);
}

void addClockFaces(Mesh* mesh) {
    for (float z : {-0.95f, -TOWER_DEPTH + 0.95f}) {
        Ring disc;
        for (Vec3 p : ringXZ(MOUTH / 2, 0, 0, 2.2f, 2.2f, 8, 22.5f))
            disc.push_back(vec(p.x, 19.5f + p.z, z));
        addFace(mesh, disc, vec(0, 0, z > -TOWER_DEPTH / 2 ? 1.0f : -1.0f));
    }
    // Tall slit windows on the piers.
    for (float x : {PIER / 2, MOUTH - PIER / 2})
        addFace(mesh,
                {vec(x - 0.5f, 8, 0.05f), vec(x + 0.5f, 8, 0.05f), vec(x + 0.5f, 11.5f, 0.05f),
                 vec(x - 0.5f, 11.5f, 0.05f)},
                vec(0, 0, 1));
}

} // namespace

SculptedModel sculptTower() {
    SculptedModel model{"tower.ase", {}};
    addWalls(model.addPart("walls", GOLD));
    addHipRoof(model.addPart("spire", RED), 5.4f, MOUTH - 5.4f, -TOWER_DEPTH + 0.4f, -0.4f, STAGE_TOP,
               SPIRE_TOP);
    Mesh* pinnacles = model.addPart("pier roofs", RED);
    addHipRoof(pinnacles, -0.3f, PIER + 0.3f, -TOWER_DEPTH - 0.3f, 0.3f, PIER_TOP, PIER_TOP + 3);
    addHipRoof(pinnacles, MOUTH - PIER - 0.3f, MOUTH + 0.3f, -TOWER_DEPTH - 0.3f, 0.3f, PIER_TOP,
               PIER_TOP + 3);
    addClockFaces(model.addPart("clock and windows", BLACK));
    addGoalSoffitAndTrim(model.addPart("goal arch trim", GREY));
    return model;
}
