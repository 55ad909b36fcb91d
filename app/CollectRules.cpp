// Collect the point: one shared course of five points in random order, a
// point to whoever reaches the current one first. No key offers it.

#include "app/World.h"

void World::startCollect() {
    // Appended, not renewed: the list keeps every earlier start's points.
    for (const Vec3& p : COLLECT_POINTS)
        addCheckpoint(goalList, p);
    goalList.shuffle();
}

void World::collectStep() {
    const Checkpoint& point = goalList.current();
    for (Kart& kart : karts) {
        if (point.reached(kart.position.x, kart.position.y, kart.position.z)) {
            goalList.advance();
            ++kart.score;
            return; // kart 1 wins a tie
        }
    }
}
