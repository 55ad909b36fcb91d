#include "tools/art/models/ArcadeMeasures.h"
#include "tools/art/models/Sculptures.h"
#include "tools/art/models/Shapes.h"

#include <algorithm>

// The landmark church in the middle of the near row. Its facade stands on
// z = 0, 25 wide, where the game hangs the church picture (y 3 to 25), so
// nothing may stand proud of it there. The ground storey is an open porch
// that carries the arcade walkway through; the nave, dome and apse rise
// behind it.
namespace {

constexpr float HALF_WIDTH = 12.5f;
constexpr float FACADE_DEPTH = 1.0f;
constexpr float PORCH_TOP = 7;
constexpr float PORCH_SPRING = 3;
constexpr float FACADE_TOP = 22;
constexpr float PEDIMENT_TOP = 27;
constexpr float NAVE_HALF = 10.5f;
constexpr float NAVE_FRONT = HOUSE_FRONT;
constexpr float NAVE_BACK = -31;
constexpr float NAVE_RIDGE = 28.5f;
constexpr float TOWER_INNER = 8.5f;
constexpr float TOWER_TOP = 32;
constexpr float SPIRE_TOP = 39;
constexpr float DOME_Z = -20;
constexpr float DOME_RADIUS = 6;
constexpr float DRUM_TOP = 31.5f;

// Openings between the porch piers: centre and half width.
struct Opening {
    float centre, half;
};
constexpr Opening OPENINGS[3] = {{-6.5125f, 1.8875f}, {0, 2.075f}, {6.5125f, 1.8875f}};

void addPorch(Mesh* mesh) {
    float edges[4][2] = {
        {-HALF_WIDTH, -8.4f}, {-4.625f, -2.075f}, {2.075f, 4.625f}, {8.4f, HALF_WIDTH}};
    for (auto& e : edges)
        addBox(mesh, vec(e[0], 0, -FACADE_DEPTH), vec(e[1], PORCH_TOP, 0),
               SIDE_WEST | SIDE_EAST | SIDE_FRONT | SIDE_BACK);
    for (const Opening& o : OPENINGS) {
        ArchBay bay;
        bay.x0 = o.centre - o.half;
        bay.width = 2 * o.half;
        bay.radius = o.half;
        bay.ySpring = PORCH_SPRING;
        bay.yTop = PORCH_TOP;
        bay.zFront = 0;
        bay.zBack = -FACADE_DEPTH;
        addArchBay(mesh, mesh, mesh, bay);
    }
}

void addPorchCeilingAndBack(Mesh* mesh) {
    addFace(mesh,
            {vec(-HALF_WIDTH, PORCH_TOP, -FACADE_DEPTH), vec(HALF_WIDTH, PORCH_TOP, -FACADE_DEPTH),
             vec(HALF_WIDTH, PORCH_TOP, NAVE_FRONT), vec(-HALF_WIDTH, PORCH_TOP, NAVE_FRONT)},
            vec(0, -1, 0));
    addFace(mesh,
            {vec(-HALF_WIDTH, 0, NAVE_FRONT), vec(HALF_WIDTH, 0, NAVE_FRONT),
             vec(HALF_WIDTH, PORCH_TOP, NAVE_FRONT), vec(-HALF_WIDTH, PORCH_TOP, NAVE_FRONT)},
            vec(0, 0, 1));
    // The storey above the porch, between facade and nave.
    addBox(mesh, vec(-HALF_WIDTH, PORCH_TOP, NAVE_FRONT),
           vec(HALF_WIDTH, FACADE_TOP, -FACADE_DEPTH), SIDE_WEST | SIDE_EAST);
}

void addNaveRoof(Mesh* mesh) {
    Mesh roof;
    // Built with its ridge along x, then turned to run back from the facade.
    addGableRoof(&roof, FACADE_DEPTH, -NAVE_BACK + 0.5f, NAVE_HALF + 0.6f, -NAVE_HALF - 0.6f,
                 FACADE_TOP, NAVE_RIDGE, true);
    appendPosed(mesh, roof, turnedY(90));
}

void addTower(Mesh* mesh, float side) {
    float x0 = side * TOWER_INNER, x1 = side * HALF_WIDTH;
    addBox(mesh, vec(std::min(x0, x1), FACADE_TOP, -4.5f), vec(std::max(x0, x1), TOWER_TOP, 0),
           ALL_SIDES & ~SIDE_BOTTOM);
}

void addSpire(Mesh* mesh, float side) {
    float cx = side * (TOWER_INNER + HALF_WIDTH) / 2;
    addPyramid(mesh, ringXZ(cx, TOWER_TOP, -2.25f, 2.8f, 2.8f, 4, 45), vec(cx, SPIRE_TOP, -2.25f),
               true);
}

void addDrumAndLantern(Mesh* mesh) {
    addPrism(mesh, ringXZ(0, 20, DOME_Z, DOME_RADIUS, DOME_RADIUS, 8, 22.5f),
             ringXZ(0, DRUM_TOP, DOME_Z, DOME_RADIUS, DOME_RADIUS, 8, 22.5f), false, false);
    addPrism(mesh, ringXZ(0, 36.2f, DOME_Z, 1.2f, 1.2f, 8, 22.5f),
             ringXZ(0, 38.2f, DOME_Z, 1.2f, 1.2f, 8, 22.5f), false, false);
}

void addDome(Mesh* mesh) {
    // A half sphere in four courses of eight facets.
    float courses[5][2] = {
        {DRUM_TOP, DOME_RADIUS + 0.4f}, {33.6f, 5.7f}, {35.2f, 4.3f}, {36.2f, 2.4f}, {36.4f, 1.2f}};
    for (int i = 0; i < 4; ++i)
        addPrism(
            mesh, ringXZ(0, courses[i][0], DOME_Z, courses[i][1], courses[i][1], 8, 22.5f),
            ringXZ(0, courses[i + 1][0], DOME_Z, courses[i + 1][1], courses[i + 1][1], 8, 22.5f),
            i == 0, i == 3);
}

} // namespace

SculptedModel sculptChurch() {
    SculptedModel model{"quorel.ASE", {}};
    addPorch(model.addPart("porch", GREY));
    addNaveRoof(model.addPart("nave roof", RED));
    addBox(model.addPart("facade", GOLD), vec(-HALF_WIDTH, PORCH_TOP, -FACADE_DEPTH),
           vec(HALF_WIDTH, FACADE_TOP, 0),
           SIDE_FRONT | SIDE_BACK | SIDE_WEST | SIDE_EAST | SIDE_BOTTOM);
    addExtrusion(
        model.addPart("pediment", GOLD),
        {vec(-HALF_WIDTH, FACADE_TOP, 0), vec(HALF_WIDTH, FACADE_TOP, 0), vec(0, PEDIMENT_TOP, 0)},
        vec(0, 0, -1.2f));
    addPorchCeilingAndBack(model.addPart("porch ceiling", GOLD));
    addBox(model.addPart("nave walls", GOLD), vec(-NAVE_HALF, 0, NAVE_BACK),
           vec(NAVE_HALF, FACADE_TOP, NAVE_FRONT), SIDE_WEST | SIDE_EAST | SIDE_BACK);
    addTower(model.addPart("west tower", GOLD), -1);
    addTower(model.addPart("east tower", GOLD), 1);
    addSpire(model.addPart("west spire", RED), -1);
    addSpire(model.addPart("east spire", RED), 1);
    addDrumAndLantern(model.addPart("drum and lantern", GOLD));
    addDome(model.addPart("dome", RED));
    addPyramid(model.addPart("lantern roof", RED), ringXZ(0, 38.2f, DOME_Z, 1.6f, 1.6f, 8, 22.5f),
               vec(0, 40.8f, DOME_Z), true);
    addPrism(model.addPart("apse", ORANGE), ringXZ(0, 0, NAVE_BACK, 8, 8, 8, 22.5f),
             ringXZ(0, 17, NAVE_BACK, 8, 8, 8, 22.5f), false, true);
    return model;
}
