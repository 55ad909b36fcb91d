// An hour of game time per kind of match, of random keys at random frame
// times, played headless through the same frame as the game's: nothing may
// become infinite or not a number, a kart lost outside the arena must come
// back with a respawn, the coconut table keeps its 128 slots, and a thousand
// match starts leave the memory where it was.

#include "app/FrameLoop.h"
#include "app/Input.h"
#include "app/World.h"
#include "sim/Camera.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <malloc.h>
#include <memory>
#include <random>
#include <string>

namespace {

constexpr double SOAK_SECONDS = 3600;
// Everything a kart does stays well inside this; outside it, a kart is lost.
constexpr float ARENA_X = 200, ARENA_Z_LOW = -60, ARENA_Z_HIGH = 220, ARENA_Y_LOW = -60;
constexpr int RESPAWN_GRACE_FRAMES = 3000;

const char KART_KEYS[] = "qwevasdfxruiobjklhmy";
const char VIEW_KEYS[] = "cn123;9";

struct Soak {
    std::unique_ptr<World> world = std::make_unique<World>();
    FrameLoop loop;
    DrawnMotion drawn;
    std::mt19937 random;
    std::string held;
    std::string fault;
    long frames = 0;
    int lostKarts = 0;
    int recoveredKarts = 0;
    int lostSince[2] = {-1, -1};

    // Milliseconds on the window system's clock: mostly 1 to 100, now and
    // then none at all or a stall of a second.
    int32_t frameTime() {
        const int pick = std::uniform_int_distribution<int>(0, 999)(random);
        if (pick == 0)
            return 0;
        if (pick == 1)
            return 1000;
        return std::uniform_int_distribution<int>(1, 100)(random);
    }

    void press(char key) {
        if (held.find(key) == std::string::npos) {
            keyDown(*world, static_cast<unsigned char>(key));
            held += key;
        }
    }
    void release(char key) {
        const auto at = held.find(key);
        if (at != std::string::npos) {
            keyUp(*world, static_cast<unsigned char>(key));
            held.erase(at, 1);
        }
    }

    // A few keys change each frame, as two players mashing would.
    void mashKeys() {
        std::uniform_int_distribution<int> kartKey(0, sizeof KART_KEYS - 2);
        for (int i = 0; i < 3; ++i) {
            const char key = KART_KEYS[kartKey(random)];
            if (std::uniform_int_distribution<int>(0, 1)(random))
                press(key);
            else
                release(key);
        }
        if (std::uniform_int_distribution<int>(0, 199)(random) == 0) {
            const char key = VIEW_KEYS[std::uniform_int_distribution<int>(0, 6)(random)];
            press(key);
            release(key);
        }
    }

    // One frame as the game runs it, through its tick loop, and posed for
    // drawing; returns the game time it played.
    float playOneFrame(GameMode mode) {
        const char modeKey = mode == GAME_RACE ? '5' : mode == GAME_TAG ? '6' : '7';
        const int32_t ms = frameTime();
        float played = 0;
        if (world->awaitingModeSelection) {
            // Back at the mode choice: the same match again, the key held
            // through the frame that reads it.
            release('0');
            press(modeKey);
            if (chooseMode(*world))
                loop.restart(*world);
        } else {
            release(modeKey);
            const int ticks = loop.advance(*world, ms);
            loop.poseForDrawing(*world, static_cast<float>(ms) / 1000, &drawn);
            played = static_cast<float>(ticks) * TICK_SECONDS;
        }
        // Now and then a player goes back to the mode choice.
        if (std::uniform_int_distribution<int>(0, 19999)(random) == 0)
            press('0');
        ++frames;
        return played;
    }

    bool outside(const Kart& kart) const {
        const Vec3& p = kart.position;
        return std::fabs(p.x) > ARENA_X || p.z < ARENA_Z_LOW || p.z > ARENA_Z_HIGH ||
               p.y < ARENA_Y_LOW;
    }

    // Now and then a kart is thrown far outside the arena, as if it had
    // found a way out; its player presses respawn, and it must come back.
    void loseAKart() {
        if (std::uniform_int_distribution<int>(0, 9999)(random) != 0)
            return;
        Kart& kart = world->karts[std::uniform_int_distribution<int>(0, 1)(random)];
        kart.position = {500, -100, 500};
    }

    void bringBackLostKarts() {
        for (int k = 0; k < 2; ++k) {
            const Kart& kart = world->karts[k];
            if (lostSince[k] < 0) {
                if (!outside(kart))
                    continue;
                lostSince[k] = static_cast<int>(frames);
                ++lostKarts;
            }
            const char respawnKey = k == 0 ? 'v' : 'b';
            if (frames - lostSince[k] < 2)
                press(respawnKey);
            else
                release(respawnKey);
            if (!outside(kart) && frames - lostSince[k] > 2) {
                lostSince[k] = -1;
                ++recoveredKarts;
            } else if (frames - lostSince[k] > RESPAWN_GRACE_FRAMES && fault.empty()) {
                fault = "kart " + std::to_string(k + 1) + " did not come back after a respawn";
            }
        }
    }

    void check(const char* what, float v) {
        if (!std::isfinite(v) && fault.empty())
            fault = std::string(what) + " is " + std::to_string(v) + " at frame " +
                    std::to_string(frames);
    }
    void check(const char* what, const Vec3& v) {
        check(what, v.x);
        check(what, v.y);
        check(what, v.z);
    }
    void checkParticles(const char* what, const ParticleSystem& system) {
        check(what, system.emitter);
        check(what, system.spawnTimer);
        for (int i = 0; i < system.count; ++i) {
            const Particle& p = system.particles[i];
            check(what, p.sprite.position);
            check(what, p.size);
            check(what, p.alpha);
            check(what, p.life);
        }
    }

    void checkEverything() {
        for (const Kart& kart : world->karts) {
            check("a kart's position", kart.position);
            check("a kart's facing", kart.forward);
            check("a kart's travel", kart.travelDir);
            check("a kart's sideways", kart.sideDir);
            for (float v :
                 {kart.speed, kart.acceleration, kart.pitch, kart.roll, kart.heading, kart.turnRate,
                  kart.slide, kart.bodyPitch, kart.bodyLean, kart.bumpSpeed, kart.spinAngle,
                  kart.spinRate, kart.wheelRoll, kart.fallTime, kart.tagClock, kart.shotCooldown})
                check("a kart's driving value", v);
            for (int w = 0; w < WHEEL_COUNT; ++w) {
                check("a wheel", kart.wheelPositions[w]);
                check("a wheel's ground", kart.groundHeight[w]);
            }
            check("a kart's box", kart.collisionBox.position);
            checkParticles("a kart's exhaust", kart.exhaust);
        }
        for (const Camera& camera : world->cameras) {
            check("a camera", camera.position);
            check("a camera's eye", camera.eye);
        }
        for (const Kart& kart : drawn.karts) {
            check("a drawn kart", kart.position);
            for (float v : {kart.heading, kart.spinAngle, kart.wheelRoll, kart.bodyPitch})
                check("a drawn kart's pose", v);
        }
        check("the drawn ball", drawn.ball.position);
        for (const ParticleSystem& vent : world->particleSystems)
            checkParticles("a steam vent", vent);
        check("the ball", world->ball.position);
        check("the ball's speed", world->ball.velocityX);
        check("the ball's speed", world->ball.velocityZ);
        int used = 0;
        for (int i = 0; i < PROJECTILE_SLOTS; ++i) {
            if (!world->projectiles.used[i])
                continue;
            ++used;
            check("a coconut", world->projectiles.slots[i].position);
        }
        if (used != world->projectiles.liveCount && fault.empty())
            fault = "the coconut table counts " + std::to_string(world->projectiles.liveCount) +
                    " but holds " + std::to_string(used);
        check("the match clock", world->matchStatus.matchClock);
    }

    void run(GameMode mode) {
        random.seed(12345 + static_cast<unsigned>(mode));
        std::srand(7);
        world->setUp();
        world->gameMode = mode;
        world->startMatch();
        loop.restart(*world);
        double played = 0;
        while (played < SOAK_SECONDS && fault.empty()) {
            mashKeys();
            loseAKart();
            bringBackLostKarts();
            played += playOneFrame(mode);
            checkEverything();
            if (frames > 10'000'000)
                fault = "an hour of play never passed";
        }
    }
};

class SoakTest : public ::testing::TestWithParam<GameMode> {};

TEST_P(SoakTest, AnHourOfRandomKeysAtRandomFrameTimes) {
    Soak soak;
    soak.world->diagnostics = std::fopen("/dev/null", "w");
    soak.run(GetParam());
    std::fclose(soak.world->diagnostics);
    EXPECT_EQ(soak.fault, "");
    EXPECT_EQ(soak.lostKarts,
              soak.recoveredKarts + (soak.lostSince[0] >= 0) + (soak.lostSince[1] >= 0));
    std::printf("%ld frames, %d karts lost and brought back\n", soak.frames, soak.recoveredKarts);
}

INSTANTIATE_TEST_SUITE_P(EveryMatch, SoakTest, ::testing::Values(GAME_RACE, GAME_TAG, GAME_BALL),
                         [](const auto& info) {
                             return info.param == GAME_RACE  ? std::string("Race")
                                    : info.param == GAME_TAG ? std::string("Tag")
                                                             : std::string("Ball");
                         });

// Anonymous resident memory, in KiB: the heap, the stack and the data the
// program made, not the code pages it happened to touch.
long residentAnonymousKiB() {
    long kib = 0;
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (status == nullptr)
        return 0;
    char line[256];
    while (std::fgets(line, sizeof line, status) != nullptr)
        if (std::sscanf(line, "RssAnon: %ld", &kib) == 1)
            break;
    std::fclose(status);
    return kib;
}

TEST(Soak, AThousandMatchStartsLeaveTheMemoryWhereItWas) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the address sanitizer keeps its own books: its leak check stands in";
#endif
    auto world = std::make_unique<World>();
    std::srand(3);
    world->setUp();
    const GameMode modes[3] = {GAME_RACE, GAME_TAG, GAME_BALL};
    auto startAndPlay = [&world, &modes](int i) {
        world->gameMode = modes[i % 3];
        world->startMatch();
        keyDown(*world, 'r');
        for (int f = 0; f < 110; ++f) // past the countdown, throwing coconuts
            playFrame(*world, 0.05f);
        keyUp(*world, 'r');
    };
    world->diagnostics = std::fopen("/dev/null", "w");
    // The first two thousand touch every page the game will use and let
    // the C library's buffers settle; the next thousand must add nothing.
    for (int i = 0; i < 2000; ++i)
        startAndPlay(i);
    const long before = residentAnonymousKiB();
    const size_t heapBefore = mallinfo2().uordblks;
    for (int i = 0; i < 1000; ++i)
        startAndPlay(i);
    const long after = residentAnonymousKiB();
    const size_t heapAfter = mallinfo2().uordblks;
    std::fclose(world->diagnostics);
    std::printf("anonymous memory before %ld KiB, after 1,000 match starts %ld KiB; heap in use "
                "%zu then %zu bytes\n",
                before, after, heapBefore, heapAfter);
    EXPECT_EQ(heapAfter, heapBefore);
    EXPECT_LE(after - before, 16); // a few pages of slack for the C library
}

} // namespace
