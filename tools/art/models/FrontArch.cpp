#include "tools/art/models/ArcadeMeasures.h"
#include "tools/art/models/Sculptures.h"
#include "tools/art/models/Shapes.h"

#include <algorithm>

// The gate in the middle of the far arcade row, opening onto the street: a
// wide central arch between two narrower ones, vaulted right through the
// arcade's depth, under a taller roof than its neighbours.
namespace {

constexpr float HALF_WIDTH = 12.5f;
constexpr float DEPTH = 9.9f;          // to the back of the arcade strip
constexpr float CENTRAL_HALF = 4.6f;   // central bay, pier centre to pier centre
constexpr float CENTRAL_RADIUS = 2.9f; // the opening between the inner piers
constexpr float SIDE_RADIUS = 2.3f;
constexpr float GATE_SPRING = 4.8f;
constexpr float GATE_PANEL_TOP = 9.0f;
constexpr float ATTIC_TOP = 10.2f;
constexpr float GATE_RIDGE = 12.6f;

ArchBay gateBay(float x0, float width, float radius) {
    ArchBay bay;
    bay.x0 = x0;
    bay.width = width;
    bay.radius = radius;
    bay.ySpring = GATE_SPRING;
    bay.yTop = GATE_PANEL_TOP;
    bay.zFront = 0;
    bay.zBack = -DEPTH;
    bay.segments = 6;
    return bay;
}

void addPiers(Mesh* mesh) {
    float sideCentre = (CENTRAL_HALF + HALF_WIDTH) / 2;
    float inner0 = CENTRAL_RADIUS, inner1 = sideCentre - SIDE_RADIUS;
    float outer0 = sideCentre + SIDE_RADIUS;
    for (float s : {-1.0f, 1.0f}) {
        float a0 = s * inner0, a1 = s * inner1, b0 = s * outer0, b1 = s * HALF_WIDTH;
        addBox(mesh, vec(std::min(a0, a1), 0, -DEPTH), vec(std::max(a0, a1), GATE_SPRING, 0),
               SIDE_WEST | SIDE_EAST | SIDE_FRONT | SIDE_BACK);
        addBox(mesh, vec(std::min(b0, b1), 0, -DEPTH), vec(std::max(b0, b1), GATE_SPRING, 0),
               SIDE_WEST | SIDE_EAST | SIDE_FRONT | SIDE_BACK);
    }
}

void addAttic(Mesh* mesh, float zFace, float zInner) {
    float lo = std::min(zFace, zInner), hi = std::max(zFace, zInner);
    addBox(mesh, vec(-HALF_WIDTH - 0.2f, GATE_PANEL_TOP, lo), vec(HALF_WIDTH + 0.2f, ATTIC_TOP, hi),
           ALL_SIDES & ~SIDE_TOP);
}

} // namespace

SculptedModel sculptArchFront() {
    SculptedModel model{"archFront.ASE", {}};
    addPiers(model.addPart("piers", GREY));
    Mesh* roof = model.addPart("roof", RED);
    addGableRoof(roof, -HALF_WIDTH - 0.4f, HALF_WIDTH + 0.4f, 0.5f, -DEPTH - 0.5f, ATTIC_TOP,
                 GATE_RIDGE, true);
    Mesh* crown = model.addPart("crown roof", RED);
    Mesh* frontCentre = model.addPart("front central arch", GOLD);
    Mesh* frontLeft = model.addPart("front west arch", GOLD);
    Mesh* frontRight = model.addPart("front east arch", GOLD);
    Mesh* frontAttic = model.addPart("front attic", GOLD);
    Mesh* backCentre = model.addPart("back central arch", GOLD);
    Mesh* backLeft = model.addPart("back west arch", GOLD);
    Mesh* backRight = model.addPart("back east arch", GOLD);
    Mesh* backAttic = model.addPart("back attic", GOLD);

    addArchBay(frontCentre, backCentre, frontCentre,
               gateBay(-CENTRAL_HALF, 2 * CENTRAL_HALF, CENTRAL_RADIUS));
    float sideWidth = HALF_WIDTH - CENTRAL_HALF;
    addArchBay(frontLeft, backLeft, frontLeft, gateBay(-HALF_WIDTH, sideWidth, SIDE_RADIUS));
    addArchBay(frontRight, backRight, frontRight, gateBay(CENTRAL_HALF, sideWidth, SIDE_RADIUS));
    addAttic(frontAttic, 0.3f, -1.0f);
    addAttic(backAttic, -DEPTH - 0.3f, -DEPTH + 1.0f);
    // The gate's flanks above the neighbouring walkways' ceilings.
    for (float s : {-1.0f, 1.0f})
        addFace(frontAttic,
                {vec(s * HALF_WIDTH, GATE_SPRING, 0), vec(s * HALF_WIDTH, GATE_PANEL_TOP, 0),
                 vec(s * HALF_WIDTH, GATE_PANEL_TOP, -DEPTH),
                 vec(s * HALF_WIDTH, GATE_SPRING, -DEPTH)},
                vec(s, 0, 0));
    // A small square lantern astride the ridge.
    float lz = -DEPTH / 2;
    addBox(frontAttic, vec(-1.2f, GATE_RIDGE - 1.0f, lz - 1.2f),
           vec(1.2f, GATE_RIDGE + 1.2f, lz + 1.2f), ALL_SIDES & ~SIDE_BOTTOM);
    addPyramid(crown, ringXZ(0, GATE_RIDGE + 1.2f, lz, 1.9f, 1.9f, 4, 45),
               vec(0, GATE_RIDGE + 3.6f, lz), true);
    return model;
}
