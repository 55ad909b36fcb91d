#include "app/Input.h"

#include "app/World.h"

int KeyBindings::slotOf(unsigned char key) const {
    for (int player = 0; player < 2; ++player)
        for (int a = 0; a < KART_ACTIONS; ++a)
            if (kart[player][a] == key)
                return player * KART_ACTIONS + a;
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

namespace {

constexpr unsigned char ESCAPE = 27;

bool pauseKey(unsigned char key) {
    return key == ESCAPE || key == 'p';
}

unsigned char lowerCase(unsigned char key) {
    return key >= 'A' && key <= 'Z' ? static_cast<unsigned char>(key - 'A' + 'a') : key;
}

} // namespace

void keyDown(World& world, unsigned char key) {
    key = lowerCase(key);
    // Paused, only the pause keys answer: the picture and the karts hold.
    if (pauseKey(key)) {
        if (!world.awaitingModeSelection)
            world.setPaused(!world.paused);
        return;
    }
    if (world.paused)
        return;
    const int slot = world.bindings.slotOf(key);
    if (slot >= 0) {
        world.keyState[slot] = 1;
        world.keyLatch[slot] = KEY_PRESSED_SINCE_TICK;
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
    key = lowerCase(key);
    if (world.paused)
        return;
    const int slot = world.bindings.slotOf(key);
    if (slot >= 0) {
        // A press no tick has seen yet goes up once one has.
        if (world.keyLatch[slot] == KEY_PRESSED_SINCE_TICK)
            world.keyLatch[slot] = KEY_RELEASE_DUE;
        else if (world.keyLatch[slot] == 0)
            world.keyState[slot] = 0;
        return;
    }
    if (key == '9')
        world.sound.toggleSound();
    // The banner shows while ';' is held.
    if (key == ';')
        world.matchStatus.showTitle = false;
}

void tapSlot(World& world, int slot) {
    if (world.paused || slot < 0 || slot >= 256)
        return;
    world.keyState[slot] = 1;
    world.keyLatch[slot] = KEY_RELEASE_DUE;
}

void takePadReadings(World& world, const PadInput (&now)[2],
                     const bool (&pressed)[2][PAD_BUTTONS]) {
    for (int seat = 0; seat < 2; ++seat) {
        world.pads[seat] = now[seat];
        for (int b = 0; b < PAD_BUTTONS; ++b)
            world.padLatch[seat][b] = world.padLatch[seat][b] || pressed[seat][b];
    }
}

PadInput padForTick(const World& world, int seat) {
    PadInput pad = world.pads[seat];
    for (int b = 0; b < PAD_BUTTONS; ++b)
        pad.down[b] = pad.down[b] || world.padLatch[seat][b];
    return pad;
}

namespace {

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

} // namespace

PlayerControls keyControls(const uint8_t* keyState, int player) {
    PlayerControls c;
    const uint8_t* held = keyState + player * KART_ACTIONS;
    for (int a = 0; a < KART_ACTIONS; ++a)
        c.held[a] = held[a] != 0;
    const bool left = c.held[ACTION_STEER_LEFT], right = c.held[ACTION_STEER_RIGHT];
    c.steer = left && right ? 0 : left ? 1 : right ? -1 : 0;
    return c;
}

void applyInput(World& world, float dt) {
    if (world.keyState[SLOT_MODE_SELECT]) {
        world.awaitingModeSelection = true;
        return;
    }
    PlayerControls controls[2];
    for (int k = 0; k < 2; ++k) {
        // A pad held through a pause drives again once it has been let go.
        if (world.padWaitsForRelease[k] && padAtRest(world.pads[k]))
            world.padWaitsForRelease[k] = false;
        const PlayerControls pad = world.padWaitsForRelease[k]
                                       ? PlayerControls{}
                                       : padControls(padForTick(world, k), world.padLayouts[k]);
        controls[k] = combinedControls(keyControls(world.keyState, k), pad);
    }
    driveCpuSeats(world, controls, dt);
    applyControls(world, controls);
}

void applyControls(World& world, const PlayerControls (&controls)[2]) {
    Kart* karts = world.karts;
    for (int k = 0; k < 2; ++k)
        if (controls[k].held[ACTION_RESPAWN])
            karts[k].respawn();
    for (int k = 0; k < 2; ++k)
        karts[k].setThrottle(controls[k].held[ACTION_THROTTLE]);
    for (int k = 0; k < 2; ++k)
        if (controls[k].held[ACTION_BOOST])
            karts[k].boost();
    // A pad's brake brakes while the kart rolls forward and then reverses.
    bool padReverses[2];
    for (int k = 0; k < 2; ++k)
        padReverses[k] = controls[k].brakeOrReverse && !(karts[k].speed > 0);
    for (int k = 0; k < 2; ++k)
        karts[k].setBrake(controls[k].held[ACTION_BRAKE] ||
                          (controls[k].brakeOrReverse && !padReverses[k]));
    for (int k = 0; k < 2; ++k)
        if (controls[k].held[ACTION_REVERSE] || padReverses[k])
            karts[k].reverse();
    for (int k = 0; k < 2; ++k)
        karts[k].steerToward(controls[k].steer);
    for (int k = 0; k < 2; ++k)
        karts[k].setSlide(controls[k].held[ACTION_SLIDE_LEFT],
                          controls[k].held[ACTION_SLIDE_RIGHT]);
    // Holding fire throws again each time the cool-down has run out.
    for (int k = 0; k < 2; ++k) {
        if (!controls[k].held[ACTION_FIRE] || !karts[k].canFire())
            continue;
        fire(world, karts[k]);
        if (k == 1)
            world.diagnose("adding projectile!\n");
    }
}
