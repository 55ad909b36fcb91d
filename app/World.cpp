#include "app/World.h"

#include "app/ArenaLayout.h"
#include "app/Input.h"

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

// Both karts line up here for every match that has a start.
constexpr Vec3 RACE_START[2] = {{-150, -17, 43}, {-145, -17, 43}};

// Each kart's race: twelve points round both levels, three laps. Kart 2's
// points sit half a unit off kart 1's, so the two guides never coincide.
constexpr int RACE_POINTS = 12;
constexpr int RACE_LAPS = 3;
constexpr float CHECKPOINT_RADIUS = 5;
constexpr float KART_2_OFFSET = 0.5f;
constexpr Vec3 RACE_COURSE[RACE_POINTS] = {
    {-140, -10, 95},       {0.25f, 0, 92.25f}, {0.25f, 0, 0.25f},    {-109.75f, 0, -4.75f},
    {-109.75f, 0, 95.25f}, {0, 0, 135},        {110.25f, 0, 95.25f}, {137, -15, 65},
    {46, -10, 60},         {29, -10, 26},      {-81, -10, 25},       {-139, -15, 29},
};

// The collect-the-point course: the five points are appended at every start.
constexpr Vec3 COLLECT_POINTS[5] = {
    {0, 0, 92}, {0, 0, 0}, {-110, 0, -5}, {-110, 0, 95}, {110, 0, 95}};

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
        clouds[i].init(band.look, band.rate, band.angle, band.y, band.distance);
    }
    placeSceneSprites();
    matchStatus.init(WINDOW_WIDTH, WINDOW_HEIGHT);
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

    karts[0] = Kart(0);
    karts[1] = Kart(1);
    karts[0].setColour(0, 30, 110);
    karts[1].setColour(0, 110, 30);
    karts[0].position = {5, 30, 5};
    karts[1].position = {-5, 30, 5};

    for (Kart& kart : karts) {
        kart.tagClock = 120;
        kart.score = 0;
        kart.goals = 0;
    }

    switch (gameMode) {
    case GAME_RACE:
        moveToRaceStart();
        for (int lap = 0; lap < RACE_LAPS; ++lap) {
            for (const Vec3& p : RACE_COURSE) {
                karts[0].checkpoints.add(p.x, p.y, p.z, CHECKPOINT_RADIUS);
                karts[1].checkpoints.add(p.x - KART_2_OFFSET, p.y, p.z - KART_2_OFFSET,
                                         CHECKPOINT_RADIUS);
            }
        }
        matchStatus.beginCountdown();
        break;
    case GAME_COLLECT:
        // Appended, not renewed: the list keeps every earlier start's points.
        for (const Vec3& p : COLLECT_POINTS)
            goalList.add(p.x, p.y, p.z, CHECKPOINT_RADIUS);
        goalList.shuffle();
        break;
    case GAME_TAG:
        moveToRaceStart();
        karts[0].isIt = true;
        karts[1].isIt = false;
        matchStatus.beginCountdown();
        break;
    case GAME_BALL:
        moveToRaceStart();
        ball.reset(BALL_START.x, BALL_START.y, BALL_START.z, BALL_RADIUS);
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

void World::moveToRaceStart() {
    karts[0].position = RACE_START[0];
    karts[1].position = RACE_START[1];
}

void World::update(float dt) {
    if (tagCooldown > 0)
        tagCooldown -= dt;
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
