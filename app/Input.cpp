#include "app/Input.h"

#include "app/World.h"

int keySlot(unsigned char key) {
    // Lower-case letters only: with shift or caps lock no kart control answers.
    static const char KART_KEYS[] = "qwevasdfxruiobjklhmy";
    for (int slot = 0; KART_KEYS[slot] != '\0'; ++slot)
        if (KART_KEYS[slot] == key)
            return slot;
    switch (key) {
    case '5':
        return SLOT_CHOOSE_RACE;
    case '6':
        return SLOT_CHOOSE_TAG;
    case '7':
        return SLOT_CHOOSE_BALL;
    case '0':
        return SLOT_MODE_SELECT;
    default:
        return -1;
    }
}

void keyDown(World& world, unsigned char key) {
    int slot = keySlot(key);
    if (slot >= 0) {
        world.keyState[slot] = 1;
        return;
    }
    switch (key) {
    case '1':
        world.playerCount = 1;
        break;
    case '2':
        world.playerCount = 2;
        break;
    case '3':
        world.skyColours = DUSK_SKY;
        break;
    case 'c':
        world.cameras[0].nextMode();
        break;
    case 'n':
        world.cameras[1].nextMode();
        break;
    case ';':
        world.matchStatus.showTitle = true;
        break;
    default:
        break;
    }
}

void keyUp(World& world, unsigned char key) {
    int slot = keySlot(key);
    if (slot >= 0) {
        world.keyState[slot] = 0;
        return;
    }
    if (key == '9')
        world.sound.toggleSound();
    // The banner shows while ';' is held.
    if (key == ';')
        world.matchStatus.showTitle = false;
}

namespace {

// Each player's action slots, from the first.
struct KartKeys {
    int slideFirst, throttle, slideSecond, respawn, steerPlus, brake, steerMinus, boost, reverse,
        fire;
};
constexpr KartKeys PLAYER_KEYS[2] = {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
                                     {10, 11, 12, 13, 14, 15, 16, 17, 18, 19}};

constexpr float SHOT_COOLDOWN = 0.3f; // seconds between coconuts
constexpr int SHOT_LIFE = 1000;       // ticks of 1/50 s
constexpr float SHOT_CLIMB = 0.2f;    // upward speed per tick at the throw

// A coconut from the kart's position along its heading.
void fire(World& world, Kart& kart) {
    float sinCos[2];
    sinCosDeg(sinCos, radToDeg(kart.heading));
    world.projectiles.spawn(kart.position.x, kart.position.y, kart.position.z, sinCos[0],
                            SHOT_CLIMB, sinCos[1], SHOT_LIFE, kart.id);
    kart.shotCooldown = SHOT_COOLDOWN;
}

int steering(const uint8_t* keyState, const KartKeys& keys) {
    const bool plus = keyState[keys.steerPlus], minus = keyState[keys.steerMinus];
    if (plus && minus)
        return 0;
    return plus ? 1 : minus ? -1 : 0;
}

} // namespace

void applyInput(World& world) {
    const uint8_t* keyState = world.keyState;
    if (keyState[SLOT_MODE_SELECT]) {
        world.awaitingModeSelection = true;
        return;
    }
    // Control by control over both karts, kart 1 first: throttle sets the
    // acceleration, and boost, brake and reverse override it in that order.
    Kart* karts = world.karts;
    for (int k = 0; k < 2; ++k)
        if (keyState[PLAYER_KEYS[k].respawn])
            karts[k].respawn();
    for (int k = 0; k < 2; ++k)
        karts[k].setThrottle(keyState[PLAYER_KEYS[k].throttle]);
    for (int k = 0; k < 2; ++k)
        if (keyState[PLAYER_KEYS[k].boost])
            karts[k].boost();
    for (int k = 0; k < 2; ++k)
        karts[k].setBrake(keyState[PLAYER_KEYS[k].brake]);
    for (int k = 0; k < 2; ++k)
        if (keyState[PLAYER_KEYS[k].reverse])
            karts[k].reverse();
    for (int k = 0; k < 2; ++k)
        karts[k].steer(steering(keyState, PLAYER_KEYS[k]));
    for (int k = 0; k < 2; ++k)
        karts[k].setSlide(keyState[PLAYER_KEYS[k].slideFirst],
                          keyState[PLAYER_KEYS[k].slideSecond]);
    // Holding fire throws again each time the cool-down has run out.
    for (int k = 0; k < 2; ++k) {
        if (keyState[PLAYER_KEYS[k].fire] != 1 || !karts[k].canFire())
            continue;
        fire(world, karts[k]);
        if (k == 1)
            world.diagnose("adding projectile!\n");
    }
}
