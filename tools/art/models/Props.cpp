#include "tools/art/models/Sculptures.h"
#include "tools/art/models/Shapes.h"

#include <cmath>

namespace {

// The potted plant stands in front of the church door; the game draws it at
// the world origin, so the pot sits just clear of the facade.
constexpr float POT_Z = 2.2f;
constexpr float POT_TOP = 1.0f;
constexpr int FRONDS = 8;

// One frond: a flat blade swept through a few points, rising from the pot
// and drooping outward.
void addFrond(Mesh* mesh, float angleDegrees) {
    float a = angleDegrees * 3.14159265f / 180;
    Vec3 out = vec(std::cos(a), 0, std::sin(a));
    Vec3 side = vec(-out.z, 0, out.x);
    struct Step {
        float reach, height, halfWidth;
    };
    const Step steps[4] = {{0.1f, POT_TOP - 0.1f, 0.05f},
                           {0.7f, POT_TOP + 1.3f, 0.22f},
                           {1.5f, POT_TOP + 1.7f, 0.18f},
                           {2.2f, POT_TOP + 1.0f, 0.03f}};
    std::vector<Ring> sections;
    for (const Step& s : steps) {
        Vec3 c = vec(out.x * s.reach, s.height, POT_Z + out.z * s.reach);
        Vec3 w = scaled(side, s.halfWidth);
        Vec3 t = vec(0, 0.04f, 0);
        sections.push_back({subtract(subtract(c, w), t), subtract(add(c, w), t), add(add(c, w), t),
                            add(subtract(c, w), t)});
    }
    addLoft(mesh, sections);
}

} // namespace

SculptedModel sculptPlant() {
    SculptedModel model{"plant.ASE", {}};
    Mesh* pot = model.addPart("pot", GOLD);
    addPrism(pot, ringXZ(0, 0, POT_Z, 0.6f, 0.6f, 8, 22.5f),
             ringXZ(0, 0.8f, POT_Z, 0.8f, 0.8f, 8, 22.5f), false, false);
    addPrism(pot, ringXZ(0, 0.8f, POT_Z, 0.95f, 0.95f, 8, 22.5f),
             ringXZ(0, POT_TOP, POT_Z, 0.95f, 0.95f, 8, 22.5f), true, true);
    for (int i = 0; i < FRONDS; ++i)
        addFrond(model.addPart("frond " + std::to_string(i + 1), BROWN), 22.5f + 45.0f * i);
    return model;
}

// The guide arrow points along +x and lies flat, so the turn about y aims it.
SculptedModel sculptArrow() {
    constexpr float THICKNESS = 0.3f;
    SculptedModel model{"arrow.ASE", {}};
    Mesh* arrow = model.addPart("arrow", BLACK);
    addBox(arrow, vec(-0.75f, 0, -0.13f), vec(0.1f, THICKNESS, 0.13f));
    addExtrusion(arrow, {vec(0.1f, 0, -0.38f), vec(0.75f, 0, 0), vec(0.1f, 0, 0.38f)},
                 vec(0, THICKNESS, 0));
    return model;
}
