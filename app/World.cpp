#include "app/World.h"

#include "app/Input.h"
#include "app/TagRules.h"

#include <cstring>

namespace {

struct CloudBand {
    SpriteLook look;
    float rate;  // degrees per second
    float angle; // degrees at start
    float y;
    float distance;
};

// Each band turns at its own pace so the sky never repeats quite the same.
constexpr CloudBand CLOUD_BANDS[CLOUD_COUNT] = {
    {LOOK_CLOUD_1, 1, 0, 5, 140},
    {LOOK_CLOUD_2, 2, 45, 2, 120},
    {LOOK_CLOUD_3, 3, 90, 4, 100},
};

} // namespace

void World::setUp() {
    playerCount = 2;
    cpu.forgetArena();
    layOutArenaBoxes(scenery);
    skyColours = DAY_SKY;
    startMatch();
    for (int i = 0; i < 2; ++i)
        cameras[i].attach(karts[i]);
    for (int i = 0; i < CLOUD_COUNT; ++i) {
        const CloudBand& band = CLOUD_BANDS[i];
        clouds[i].init(band.look, band.rate, band.angle, band.y, band.distance);
    }
    placeSceneSprites();
    matchStatus.init(WINDOW_WIDTH, WINDOW_HEIGHT);
    matchStatus.tagClockShown1 = matchStatus.tagClockShown2 = tagClockSeconds;
    for (int i = 0; i < STEAM_VENTS; ++i) {
        ParticleSystem& vent = particleSystems[i];
        vent = ParticleSystem(WORLD_PARTICLES);
        vent.colour[0] = vent.colour[1] = vent.colour[2] = 1;
        vent.emitter = STEAM_VENT_AT[i];
    }
    // Set up again, the arena is the same arena, not a second one.
    placements.clear();
    fillPlacements(placements);
}

void World::startMatch() {
    // Keys held across a match start count as released.
    std::memset(keyState, 0, sizeof keyState);
    releaseTaps();

    karts[0] = Kart(0);
    karts[1] = Kart(1);
    karts[0].setColour(0, 30, 110);
    karts[1].setColour(0, 110, 30);
    karts[0].position = DROP_START[0];
    karts[1].position = DROP_START[1];

    for (Kart& kart : karts) {
        kart.tagClock = tagClockSeconds;
        kart.score = 0;
        kart.goals = 0;
    }

    switch (gameMode) {
    case GAME_RACE:
        startRace();
        break;
    case GAME_COLLECT:
        startCollect();
        break;
    case GAME_TAG:
        startTag();
        break;
    case GAME_BALL:
        startBall();
        break;
    default:
        break;
    }
    matchStatus.resetClock();

    // A fresh kart's wheels sit at height 0 over the origin: on its first
    // update at the lower start line it would find the field's level under
    // them and leap into the railing above. Put them under the kart.
    for (Kart& kart : karts)
        kart.settleWheels();
    cpu.newMatch(*this);
}

void World::setPaused(bool on) {
    if (on == paused)
        return;
    paused = on;
    releaseTaps();
    if (paused)
        return;
    std::memset(keyState, 0, sizeof keyState);
    for (bool& waits : padWaitsForRelease)
        waits = true;
}

void World::releaseTaps() {
    for (int slot = 0; slot < 256; ++slot)
        if (keyLatch[slot] == KEY_RELEASE_DUE)
            keyState[slot] = 0;
    std::memset(keyLatch, 0, sizeof keyLatch);
    std::memset(padLatch, 0, sizeof padLatch);
}

void World::diagnose(const char* line) const {
    std::fputs(line, diagnostics != nullptr ? diagnostics : stdout);
}

void World::addCheckpoint(CheckpointList& course, Vec3 at) {
    if (!course.add(at.x, at.y, at.z, CHECKPOINT_RADIUS))
        diagnose("warning, loaded too many checkpoints\n");
}

void World::placeSceneSprites() {
    moonSprite.init(160, 10, -160, 60, 60, LOOK_MOON);
    // Palm and lamp are moved to each placement as it is drawn: only their
    // y and size matter here.
    palmSprite.init(0, 0, 10, 5, 15, LOOK_PALM);
    lampSprite.init(0, 0, 0, 1, 5, LOOK_LAMP);
}

void World::moveToRaceStart() {
    karts[0].position = RACE_START[0];
    karts[1].position = RACE_START[1];
}

void World::update(float dt) {
    coolTagDown(dt);
    collide();
    projectiles.update(dt);
    projectiles.hitTest(karts[0], karts[1]);
    applyRules(dt);
    // The countdown holds the karts; everything else keeps moving.
    if (!matchStatus.countdownActive) {
        for (Kart& kart : karts) {
            kart.update(dt);
            kart.exhaust.update(dt);
        }
    }
    for (CirclingSprite& cloud : clouds)
        cloud.update(dt);
    for (ParticleSystem& vent : particleSystems)
        vent.update(dt);
    matchStatus.step(dt);
}
