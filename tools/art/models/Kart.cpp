#include "tools/art/models/Sculptures.h"
#include "tools/art/models/Shapes.h"

#include <cmath>

// The kart body and its outline shell. The kart faces +z, its ground is
// y = 0 and its footprint 1.22 by 1.8; the game draws the four wheels
// (radius 0.2, at x = +-0.61 inward 0.2, z = +-0.65) itself, so the body keeps
// clear of them. The outline shell is the same parts grown by a margin and
// closed, so their back faces trace the silhouette.
namespace {

constexpr float OUTLINE_MARGIN = 0.025f;
// Where the game puts the steering wheel, and how far it tilts it.
constexpr float WHEEL_HUB_X = 0.234f;
constexpr float WHEEL_HUB_Y = 0.996f;
constexpr float WHEEL_HUB_Z = 0.159f;
constexpr float COLUMN_TILT_DEGREES = 43;

// A loft section: a rectangle across the kart at depth z.
Ring across(float z, float x0, float x1, float y0, float y1, float e) {
    return {vec(x0 - e, y0 - e, z), vec(x1 + e, y0 - e, z), vec(x1 + e, y1 + e, z),
            vec(x0 - e, y1 + e, z)};
}

// A loft section: a horizontal rectangle at height y.
Ring level(float y, float x0, float x1, float z0, float z1, float e) {
    return {vec(x0 - e, y, z0 - e), vec(x1 + e, y, z0 - e), vec(x1 + e, y, z1 + e),
            vec(x0 - e, y, z1 + e)};
}

void addGrownBox(Mesh* mesh, Vec3 lo, Vec3 hi, float e) {
    addBox(mesh, vec(lo.x - e, lo.y - e, lo.z - e), vec(hi.x + e, hi.y + e, hi.z + e));
}

void addChassis(Mesh* mesh, float e) {
    addGrownBox(mesh, vec(-0.36f, 0.08f, -0.84f), vec(0.36f, 0.16f, 0.84f), e);
    if (e == 0)
        for (float z : {-0.65f, 0.65f})
            addBox(mesh, vec(-0.41f, 0.17f, z - 0.03f), vec(0.41f, 0.23f, z + 0.03f));
}

void addFrontBumper(Mesh* mesh, float e) {
    addGrownBox(mesh, vec(-0.55f, 0.13f, 0.86f), vec(0.55f, 0.23f, 0.9f), e);
}

void addRearBumper(Mesh* mesh, float e) {
    addGrownBox(mesh, vec(-0.6f, 0.14f, -0.9f), vec(0.6f, 0.3f, -0.86f), e);
}

void addEngine(Mesh* mesh, float e) {
    addGrownBox(mesh, vec(-0.36f, 0.16f, -0.72f), vec(-0.04f, 0.48f, -0.38f), e);
}

void addCylinderHead(Mesh* mesh, float e) {
    addGrownBox(mesh, vec(-0.32f, 0.48f, -0.66f), vec(-0.08f, 0.6f, -0.44f), e);
}

void addNose(Mesh* mesh, float e) {
    addLoft(mesh, {across(0.3f - e, -0.36f, 0.36f, 0.16f, 0.46f, e),
                   across(0.62f, -0.34f, 0.34f, 0.16f, 0.36f, e),
                   across(0.84f + e, -0.28f, 0.28f, 0.16f, 0.24f, e)});
}

void addSidePods(Mesh* mesh, float e) {
    for (float s : {-1.0f, 1.0f}) {
        Ring profile = {vec(s * (0.36f - e), 0.14f - e, 0), vec(s * (0.6f + e), 0.14f - e, 0),
                        vec(s * (0.6f + e), 0.24f, 0), vec(s * (0.54f + e), 0.32f + e, 0),
                        vec(s * (0.36f - e), 0.32f + e, 0)};
        Ring front, back;
        for (Vec3 p : profile) {
            back.push_back(vec(p.x, p.y, -0.4f - e));
            front.push_back(vec(p.x, p.y, 0.4f + e));
        }
        addLoft(mesh, {back, front});
    }
}

void addSeat(Mesh* mesh, float e) {
    addGrownBox(mesh, vec(0.06f, 0.16f, -0.4f), vec(0.41f, 0.3f, 0.02f), e);
    addLoft(mesh, {level(0.28f - e, 0.06f, 0.41f, -0.4f, -0.28f, e),
                   level(0.8f + e, 0.06f, 0.41f, -0.54f, -0.42f, e)});
}

void addExhaust(Mesh* mesh, float e) {
    float r = 0.05f + e;
    addPrism(mesh, ringXZ(-0.2f, 0.3f, -0.8f, r, r, 8), ringXZ(-0.2f, 0.78f + e, -0.8f, r, r, 8),
             true, true);
}

// Along the steering column, from the hub down to the floor ahead of it.
void addSteeringColumn(Mesh* mesh) {
    float tilt = COLUMN_TILT_DEGREES * 3.14159265f / 180;
    Vec3 axis = vec(0, -std::sin(tilt), std::cos(tilt));
    Vec3 side = vec(0.025f, 0, 0);
    Vec3 up = scaled(vec(0, std::cos(tilt), std::sin(tilt)), 0.025f);
    auto section = [&](float t) {
        Vec3 c = add(vec(WHEEL_HUB_X, WHEEL_HUB_Y, WHEEL_HUB_Z), scaled(axis, t));
        return Ring{subtract(subtract(c, side), up), subtract(add(c, side), up),
                    add(add(c, side), up), add(subtract(c, side), up)};
    };
    addLoft(mesh, {section(0.04f), section(0.85f)});
}

// Round its own origin in the xy plane: the game turns it about z to steer.
void addSteeringWheel(Mesh* mesh) {
    addTorus(mesh, 0.15f, 0.022f, 10, 4);
    addBox(mesh, vec(-0.15f, -0.015f, -0.015f), vec(0.15f, 0.015f, 0.015f));
    addBox(mesh, vec(-0.04f, -0.04f, -0.03f), vec(0.04f, 0.04f, 0.03f));
}

} // namespace

SculptedModel sculptKartBody() {
    SculptedModel model{"cart.ASE", {}};
    addChassis(model.addPart("chassis", KART_GREY), 0);
    addFrontBumper(model.addPart("front bumper", KART_GREY), 0);
    addRearBumper(model.addPart("rear bumper", KART_GREY), 0);
    addEngine(model.addPart("engine", KART_GREY), 0);
    addNose(model.addPart("nose", KART_BODY), 0);
    addSidePods(model.addPart("side pods", KART_BODY), 0);
    addCylinderHead(model.addPart("cylinder head", KART_GREY), 0);
    addSeat(model.addPart("seat", BLACK), 0);
    addExhaust(model.addPart("exhaust", KART_GREY), 0);
    addSteeringColumn(model.addPart("steering column", KART_GREY));
    addSteeringWheel(model.addPart("steering wheel", KART_GREY));
    return model;
}

SculptedModel sculptKartOutline() {
    SculptedModel model{"cartbg.ASE", {}};
    Mesh* shell = model.addPart("outline", BLACK);
    float e = OUTLINE_MARGIN;
    addChassis(shell, e);
    addFrontBumper(shell, e);
    addRearBumper(shell, e);
    addEngine(shell, e);
    addNose(shell, e);
    addSidePods(shell, e);
    addCylinderHead(shell, e);
    addSeat(shell, e);
    addExhaust(shell, e);
    return model;
}
