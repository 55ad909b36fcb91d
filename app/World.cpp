#include "app/World.h"

#include "app/Input.h"

#include <cstring>

void World::setUp() {
    playerCount = 2;
    skyColours = DAY_SKY;
    startMatch();
    matchStatus.init(textureIds, WINDOW_WIDTH, WINDOW_HEIGHT);
}

void World::startMatch() {
    // Keys held across a match start count as released.
    std::memset(keyState, 0, sizeof keyState);

    switch (gameMode) {
    case GAME_RACE:
    case GAME_TAG:
    case GAME_BALL:
        matchStatus.beginCountdown();
        break;
    default:
        break;
    }
    matchStatus.resetClock();
}

void World::update(float dt) {
    if (tagCooldown > 0)
        tagCooldown -= dt;
    matchStatus.step(dt);
}
