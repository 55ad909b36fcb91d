// The race: each kart its own course of twelve points round both levels,
// three laps; the first to touch its last point wins and stops the clock.

#include "app/World.h"

void World::startRace() {
    moveToRaceStart();
    for (int lap = 0; lap < RACE_LAPS; ++lap) {
        for (const Vec3& p : RACE_COURSE) {
            addCheckpoint(karts[0].checkpoints, p);
            addCheckpoint(karts[1].checkpoints, {p.x - KART_2_OFFSET, p.y, p.z - KART_2_OFFSET});
        }
    }
    matchStatus.beginCountdown();
}

void World::raceStep() {
    for (Kart& kart : karts) {
        CheckpointList& course = kart.checkpoints;
        if (course.current().reached(kart.position.x, kart.position.y, kart.position.z))
            course.advance();
    }
    // A finished list stays finished: its message is raised again every step.
    if (karts[0].checkpoints.isFinished()) {
        matchStatus.showP1Wins = true;
        matchStatus.stopClock();
    }
    if (karts[1].checkpoints.isFinished()) {
        matchStatus.showP2Wins = true;
        matchStatus.stopClock();
    }
}
