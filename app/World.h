#pragma once

#include "app/Controls.h"
#include "app/GameMode.h"
#include "app/Input.h"
#include "app/MatchStatus.h"
#include "app/TagRules.h"
#include "app/cpu/CpuPlayers.h"
#include "sim/Arena.h"
#include "sim/Ball.h"
#include "sim/Camera.h"
#include "sim/CheckpointList.h"
#include "sim/Kart.h"
#include "sim/ParticleSystem.h"
#include "sim/Projectile.h"
#include "sim/SceneryObject.h"
#include "sim/Sprite.h"
#include "support/Sound.h"

#include <cstdint>
#include <cstdio>
#include <vector>

constexpr int CLOUD_COUNT = 3;

// The logical window every viewport and the HUD are laid out in.
constexpr int WINDOW_WIDTH = 1280;
constexpr int WINDOW_HEIGHT = 960;

// Bottom then top colour of the sky gradient.
struct SkyColours {
    float bottom[3];
    float top[3];
};
constexpr SkyColours DAY_SKY = {{0.53f, 0.71f, 1.0f}, {0.03f, 0.24f, 0.89f}};
constexpr SkyColours DUSK_SKY = {{1.0f, 151 / 255.0f, 38 / 255.0f}, {0.7f, 34 / 255.0f, 0.9f}};

// The one record that owns the whole game state. Pictures, models and
// display lists belong to the renderer: the rules and the simulation build
// and test without a window.
struct World {
    Kart karts[2]; // kart 1, kart 2
    SkyColours skyColours = DAY_SKY;
    Camera cameras[2]; // camera 1 follows kart 1, camera 2 kart 2
    MatchStatus matchStatus;
    SceneryObject scenery[SCENERY_SLOTS];
    ProjectileTable projectiles;
    GameMode gameMode = GAME_RACE;
    CheckpointList goalList; // the collect-the-point course, shared by both karts
    float tagCooldown = 0;   // seconds until "it" can change hands again
    // Each kart's clock as a tag match starts: the rule's, unless a test that
    // plays a whole match in real time asks for less.
    float tagClockSeconds = TAG_CLOCK_SECONDS;
    Ball ball;
    bool awaitingModeSelection = false;
    int32_t playerCount = 0;
    ParticleSystem particleSystems[STEAM_VENTS];
    CirclingSprite clouds[CLOUD_COUNT];
    Sprite moonSprite, palmSprite, lampSprite;
    std::vector<Placement> placements; // every palm and lamp, in set-up order
    uint8_t keyState[256] = {};        // held keys by action slot (app/Input.h)
    // Per slot, a press no tick has seen yet (KEY_PRESSED_SINCE_TICK), or one
    // let go again before any did (KEY_RELEASE_DUE): held for the next tick
    // all the same, so that a quick tap between two ticks is not lost.
    uint8_t keyLatch[256] = {};
    KeyBindings bindings; // which key is which kart action
    PadInput pads[2];     // each player's pad as the shell last read it
    // Pad presses the shell has seen since the last tick, by seat and button:
    // down for the next tick even when let go again (takePadReadings).
    bool padLatch[2][PAD_BUTTONS] = {};
    PadLayout padLayouts[2];         // each player's buttons
    bool padWaitsForRelease[2] = {}; // held through a pause: not heard until let go
    bool paused = false;             // no tick runs; the picture holds
    CpuPlayers cpu;                  // the seats the computer drives ('F1', 'F2', 'F3')
    SoundSystem sound;               // whether the engine tone is wanted ('9')
    // The game's few diagnostic lines: standard output in the game, standard
    // error in tools whose standard output is data.
    std::FILE* diagnostics = stdout;

    // One-time set-up after loading; starts a race.
    void setUp();
    // Resets karts, scores and clocks for the current gameMode.
    void startMatch();
    // One simulation step of dt seconds.
    void update(float dt);
    // Both karts against the boxes, each other, and the palms and lamps.
    void collide();
    // The current gameMode's checks for one step.
    void applyRules(float dt);
    void moveToRaceStart();

    // Each match type's rules, each in the file named after it.
    void startRace(); // RaceRules.cpp
    void raceStep();
    void startCollect(); // CollectRules.cpp
    void collectStep();
    void startTag(); // TagRules.cpp
    void coolTagDown(float dt);
    void passTagOnTouch();
    void tagStep(float dt);
    void startBall(); // BallRules.cpp
    void ballStep();
    void kickOff();

    // The moon and the palm and lamp billboards.
    void placeSceneSprites();
    // Paused, no tick runs and the picture holds; on resuming, keys and pad
    // buttons held through the pause count as released. Either way the taps
    // waiting for a tick are dropped.
    void setPaused(bool on);
    // After each tick (and at a pause or a match start): keys tapped since
    // the last tick go up, and the pads' latched presses are forgotten.
    void releaseTaps();
    // One diagnostic line, its newline included.
    void diagnose(const char* line) const;
    // A point onto a course; a full course warns.
    void addCheckpoint(CheckpointList& course, Vec3 at);
};
