#include "app/World.h"

#include <cmath>

namespace {

void collideWithScenery(Kart& kart, SceneryObject* scenery) {
    for (int i = 0; i < SCENERY_SLOTS; ++i) {
        SceneryObject& box = scenery[i];
        // Most slots hold no box: skip them before any arithmetic.
        if (!box.active || !kart.isNear(box))
            continue;
        const int axis = kart.testBox(box);
        if (axis != -1)
            kart.resolveContact(axis, box);
    }
}

// Palms and lamps are billboards, not boxes: a kart on the field level that
// comes within half its length of one's foot bounces off it.
void collideWithPoles(Kart* karts, const std::vector<Placement>& placements) {
    for (const Placement& p : placements) {
        if (p.look != LOOK_PALM && p.look != LOOK_LAMP)
            continue;
        for (int k = 0; k < 2; ++k) {
            Kart& kart = karts[k];
            const float dx = p.x - kart.position.x, dz = p.z - kart.position.z;
            if (std::sqrt(dx * dx + dz * dz) < kart.halfSize.z && kart.position.y > LOWER_LEVEL_TOP)
                kart.bump();
        }
    }
}

} // namespace

void World::collide() {
    collideWithScenery(karts[0], scenery);
    collideWithScenery(karts[1], scenery);

    // Karts never slide off each other: each one that feels the contact
    // bounces back on its own.
    for (int k = 0; k < 2; ++k) {
        Kart& tester = karts[k];
        if (tester.testBox(karts[1 - k].collisionBox) == -1)
            continue;
        passTagOnTouch();
        tester.bump();
    }

    collideWithPoles(karts, placements);
}
