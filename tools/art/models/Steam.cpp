#include "tools/art/models/LowerLevel.h"
#include "tools/art/models/Sculptures.h"
#include "tools/art/models/Shapes.h"

// The steam vents of the lower level, in world coordinates (the game draws
// the list untransformed), one at each of the World's steam emitters. Four
// sit in the tunnels under the field, fed by a valve box on the tunnel wall;
// one is fed from the wall of the trench beside the centre block; the one in
// the pit under the west passage is a free-standing stack whose mouth is the
// emitter.
namespace {

enum VentPart { BASE_PLATE, HOUSING, PIPE, VALVE, STACK, PLINTH, GRATE, BARS, BRASS, VENT_PARTS };

struct VentMeshes {
    Mesh parts[VENT_PARTS];
};

Ring uprightDisc(float cx, float cy, float z, float radius) {
    Ring disc;
    for (Vec3 p : ringXZ(cx, 0, 0, radius, radius, 8, 22.5f))
        disc.push_back(vec(p.x, cy + p.z, z));
    return disc;
}

// A floor vent with its valve box on the wall 2 units behind it (local -z).
void sculptWallVent(VentMeshes* m) {
    addBox(&m->parts[BASE_PLATE], vec(-1.5f, 0, -2), vec(1.5f, 0.04f, 1.5f),
           ALL_SIDES & ~SIDE_BOTTOM);
    addPrism(&m->parts[PLINTH], ringXZ(0, 0.04f, 0, 1.3f, 1.3f, 8, 22.5f),
             ringXZ(0, 0.16f, 0, 1.1f, 1.1f, 8, 22.5f), false, false);
    addPrism(&m->parts[GRATE], ringXZ(0, 0.04f, 0, 1.1f, 1.1f, 8, 22.5f),
             ringXZ(0, 0.18f, 0, 1.1f, 1.1f, 8, 22.5f), false, true);
    for (float x : {-0.5f, 0.0f, 0.5f})
        addBox(&m->parts[BARS], vec(x - 0.07f, 0.18f, -0.9f), vec(x + 0.07f, 0.24f, 0.9f),
               ALL_SIDES & ~SIDE_BOTTOM);
    addBox(&m->parts[HOUSING], vec(-0.8f, 0.04f, -2), vec(0.8f, 2.2f, -1.4f),
           ALL_SIDES & ~SIDE_BOTTOM & ~SIDE_BACK);
    addBox(&m->parts[STACK], vec(-0.3f, 2.2f, -1.95f), vec(0.3f, 3.0f, -1.6f),
           ALL_SIDES & ~SIDE_BOTTOM);
    addBox(&m->parts[PIPE], vec(-0.18f, 0.04f, -1.4f), vec(0.18f, 0.4f, -0.9f),
           ALL_SIDES & ~SIDE_BOTTOM);
    addExtrusion(&m->parts[VALVE], uprightDisc(-0.3f, 1.3f, -1.4f, 0.32f), vec(0, 0, 0.08f));
    addExtrusion(&m->parts[BRASS], uprightDisc(0.4f, 1.6f, -1.4f, 0.18f), vec(0, 0, 0.05f));
    addPrism(&m->parts[BRASS], ringXZ(0, 0.16f, 0, 1.1f, 1.1f, 8, 22.5f),
             ringXZ(0, 0.2f, 0, 1.1f, 1.1f, 8, 22.5f), false, false);
}

// A free-standing stack rising height units to its mouth.
void sculptStack(VentMeshes* m, float height) {
    addBox(&m->parts[BASE_PLATE], vec(-1.8f, 0, -1.8f), vec(1.8f, 0.04f, 1.8f),
           ALL_SIDES & ~SIDE_BOTTOM);
    addPrism(&m->parts[PLINTH], ringXZ(0, 0.04f, 0, 1.4f, 1.4f, 8, 22.5f),
             ringXZ(0, 0.6f, 0, 1.2f, 1.2f, 8, 22.5f), false, true);
    addPrism(&m->parts[HOUSING], ringXZ(0, 0.6f, 0, 0.8f, 0.8f, 8, 22.5f),
             ringXZ(0, height - 0.8f, 0, 0.8f, 0.8f, 8, 22.5f), false, false);
    addPrism(&m->parts[VALVE], ringXZ(0, height * 0.5f, 0, 0.88f, 0.88f, 8, 22.5f),
             ringXZ(0, height * 0.5f + 0.4f, 0, 0.88f, 0.88f, 8, 22.5f), true, true);
    addPrism(&m->parts[BRASS], ringXZ(0, height - 0.8f, 0, 0.85f, 0.85f, 8, 22.5f),
             ringXZ(0, height, 0, 1.15f, 1.15f, 8, 22.5f), true, false);
    addPrism(&m->parts[GRATE], ringXZ(0, height - 0.2f, 0, 1.0f, 1.0f, 8, 22.5f),
             ringXZ(0, height - 0.1f, 0, 1.0f, 1.0f, 8, 22.5f), false, true);
    addBox(&m->parts[BARS], vec(-0.95f, height - 0.1f, -0.06f), vec(0.95f, height - 0.05f, 0.06f),
           ALL_SIDES & ~SIDE_BOTTOM);
    addBox(&m->parts[PIPE], vec(0.6f, 1.2f, -0.2f), vec(1.7f, 1.6f, 0.2f), ALL_SIDES);
    addBox(&m->parts[STACK], vec(1.3f, 0.04f, -0.25f), vec(1.7f, 1.2f, 0.25f),
           ALL_SIDES & ~SIDE_BOTTOM);
}

void place(Mesh* parts, const VentMeshes& vent, const Pose& pose) {
    for (int i = 0; i < VENT_PARTS; ++i)
        appendPosed(&parts[i], vent.parts[i], pose);
}

} // namespace

SculptedModel sculptSteam() {
    VentMeshes wallVent, stack;
    sculptWallVent(&wallVent);
    // The west emitter hangs at -10 over a pit floor at about -15.95.
    constexpr float PIT_FLOOR = -15.95f;
    sculptStack(&stack, -10 - PIT_FLOOR);

    Mesh all[VENT_PARTS];
    // Tunnel vents: the near tunnel's wall is at z = 20, the far one's at z = 70.
    for (float x : {-40.0f, 40.0f}) {
        place(all, wallVent, moved(x, -10, 22));
        place(all, wallVent, then(mirroredZ(), moved(x, -10, 68)));
    }
    // The trench beside the centre block: its wall at x = 30, floor at -12.5.
    place(all, wallVent, then(turnedY(90), moved(32, -12.5f, 45)));
    place(all, stack, moved(-130, PIT_FLOOR, 45));
    // The list is drawn in world coordinates, so the lower level's floors and
    // ceilings ride along: stone floors with the plinths, steel ceilings with
    // the housings. New objects would have no colours of their own.
    sculptLowerFloors(&all[PLINTH]);
    sculptUnderfieldCeilings(&all[HOUSING]);

    SculptedModel model{"steam.ASE", {}};
    const char* names[VENT_PARTS] = {"base plates", "housings and ceilings", "pipes",  "valves",
                                     "stacks",      "plinths and floors",    "grates", "grate bars",
                                     "brass"};
    const Colour colours[VENT_PARTS] = {UMBER, STEEL, STEEL, RED, STEEL, STONE, SLATE, STEEL, GOLD};
    for (int i = 0; i < VENT_PARTS; ++i)
        *model.addPart(names[i], colours[i]) = all[i];
    return model;
}
