#include "app/World.h"

#include "app/ArenaLayout.h"
#include "app/Input.h"
#include "assets/TextureSlots.h"

#include <cstring>

namespace {

struct CloudBand {
    TextureSlot texture;
    float rate;  // degrees per second
    float angle; // degrees at start
    float y;
    float distance;
};

// Each band turns at its own pace so the sky never repeats quite the same.
constexpr CloudBand CLOUD_BANDS[CLOUD_COUNT] = {
    {TEX_CLOUD1, 1, 0, 5, 140},
    {TEX_CLOUD2, 2, 45, 2, 120},
    {TEX_CLOUD3, 3, 90, 4, 100},
};

// Both karts line up here for every match that has a start.
constexpr Vec3 RACE_START[2] = {{-150, -17, 43}, {-145, -17, 43}};

// Steam rises from vents in the lower circuit's floor.
constexpr Vec3 STEAM_VENT_AT[STEAM_VENTS] = {{-40, -10, 22}, {-40, -10, 68}, {40, -10, 22},
                                             {40, -10, 68},  {25, -10, 45},  {-130, -10, 45}};

} // namespace

void World::setUp() {
    playerCount = 2;
    layOutArena();
    skyColours = DAY_SKY;
    startMatch();
    for (int i = 0; i < 2; ++i)
        cameras[i].attach(karts[i]);
    for (int i = 0; i < CLOUD_COUNT; ++i) {
        const CloudBand& band = CLOUD_BANDS[i];
        clouds[i].init(textureIds[band.texture], band.rate, band.angle, band.y, band.distance);
    }
    placeSceneSprites();
    matchStatus.init(textureIds, WINDOW_WIDTH, WINDOW_HEIGHT);
    for (int i = 0; i < STEAM_VENTS; ++i) {
        ParticleSystem& vent = particleSystems[i];
        vent = ParticleSystem(textureIds[TEX_PARTICLE], WORLD_PARTICLES);
        vent.colour[0] = vent.colour[1] = vent.colour[2] = 1;
        vent.emitter = STEAM_VENT_AT[i];
    }
    fillPlacements(placements, textureIds);
}

void World::startMatch() {
    // Keys held across a match start count as released.
    std::memset(keyState, 0, sizeof keyState);

    karts[0] = Kart(textureIds, 0);
    karts[1] = Kart(textureIds, 1);
    karts[0].setColour(0, 30, 110);
    karts[1].setColour(0, 110, 30);
    karts[0].position = {5, 30, 5};
    karts[1].position = {-5, 30, 5};

    switch (gameMode) {
    case GAME_RACE:
    case GAME_TAG:
    case GAME_BALL:
        karts[0].position = RACE_START[0];
        karts[1].position = RACE_START[1];
        matchStatus.beginCountdown();
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
}

void World::update(float dt) {
    if (tagCooldown > 0)
        tagCooldown -= dt;
    collide();
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
