// Which rules a step runs: the current match type's, each in its own file.

#include "app/World.h"

void World::applyRules(float dt) {
    switch (gameMode) {
    case GAME_RACE:
        raceStep();
        break;
    case GAME_COLLECT:
        collectStep();
        break;
    case GAME_TAG:
        tagStep(dt);
        break;
    case GAME_BALL:
        ballStep();
        break;
    default:
        break;
    }
}
