#pragma once

#include <cstdint>

// What drives a kart, whatever it comes from: a player's keys, a pad or the
// computer. Each tick the rules read one of these per kart.

// The kart actions, in the order of each player's key slots.
enum KartAction : int {
    ACTION_SLIDE_LEFT,
    ACTION_THROTTLE,
    ACTION_SLIDE_RIGHT,
    ACTION_RESPAWN,
    ACTION_STEER_LEFT,
    ACTION_BRAKE,
    ACTION_STEER_RIGHT,
    ACTION_BOOST,
    ACTION_REVERSE,
    ACTION_FIRE,
    KART_ACTIONS
};

// One kart's controls for one tick.
struct PlayerControls {
    bool held[KART_ACTIONS] = {};
    // Left positive, as the steer-left key; from a stick, how far it leans.
    float steer = 0;
    // A pad's brake: it brakes while the kart rolls forward, and reverses
    // once it has stopped.
    bool brakeOrReverse = false;
};

// The buttons and triggers of a game controller, as the controls file names
// them; the left stick steers and cannot be bound.
enum PadButton : int {
    PAD_NONE,
    PAD_A,
    PAD_B,
    PAD_X,
    PAD_Y,
    PAD_BACK,
    PAD_START,
    PAD_LEFT_STICK,
    PAD_RIGHT_STICK,
    PAD_LEFT_SHOULDER,
    PAD_RIGHT_SHOULDER,
    PAD_DPAD_UP,
    PAD_DPAD_DOWN,
    PAD_DPAD_LEFT,
    PAD_DPAD_RIGHT,
    PAD_LEFT_TRIGGER,
    PAD_RIGHT_TRIGGER,
    PAD_BUTTONS
};

// A pad as the shell last read it, for the player it belongs to: which
// buttons are down (triggers count as down past half way) and the left
// stick's lean, -1 (full right) .. 1 (full left), and its lean forward or
// back, 1 (full up) .. -1 (full down), which menus read and driving does not.
struct PadInput {
    bool connected = false;
    bool down[PAD_BUTTONS] = {};
    float stick = 0;
    float stickY = 0;
};

// What each kart action is on a pad; the brake button brakes and then
// reverses, the reverse button only reverses.
struct PadLayout {
    PadButton button[KART_ACTIONS] = {
        PAD_LEFT_SHOULDER,  // slide left
        PAD_RIGHT_TRIGGER,  // throttle
        PAD_RIGHT_SHOULDER, // slide right
        PAD_Y,              // respawn
        PAD_NONE,           // steer left: the stick
        PAD_LEFT_TRIGGER,   // brake, and reverse once stopped
        PAD_NONE,           // steer right: the stick
        PAD_A,              // boost
        PAD_B,              // reverse
        PAD_X,              // throw a coconut
    };
    PadButton camera = PAD_RIGHT_STICK; // next camera view
    PadButton pause = PAD_START;
    PadButton handOver = PAD_BACK; // the pad goes to the other player
};

// A stick leaning less than this is upright: pads rest a little off centre.
constexpr float STICK_DEAD_ZONE = 0.2f;

// The pad's controls for its kart: its bound buttons, and the stick's lean
// beyond the dead zone, stretched so that the zone's edge steers nothing
// and full lean steers fully.
PlayerControls padControls(const PadInput& pad, const PadLayout& layout);

// Nothing down and the stick upright (or no pad at all).
bool padAtRest(const PadInput& pad);

// Keys and pad together: a control is held when either holds it; the keys'
// steering wins while a steer key is down.
PlayerControls combinedControls(const PlayerControls& keys, const PlayerControls& pad);
