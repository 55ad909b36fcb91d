#pragma once

#include "app/Controls.h"
#include "app/PadSeats.h"

#include <cstdint>
#include <vector>

// SDL's name for an open game controller; its header stays in Gamepads.cpp.
struct _SDL_GameController;

// How long the hand-over button is held to ask for the menu instead.
constexpr uint32_t MENU_HOLD_MS = 500;

// What the pads did since the last poll, beyond what they hold: one-shot
// presses, and pads that came to or left a player's seat. A hand-over is
// the players' own doing and reports neither.
struct PadEvents {
    bool pause = false;      // the pause button, on either player's pad
    bool camera[2] = {};     // the camera button, by seat
    bool seatLost[2] = {};   // the seat's pad was unplugged
    bool seatGained[2] = {}; // a pad came to the seat: plugged in, or one waiting moved up
    // Every press of a button, by seat, even one let go again since: a
    // trigger's as it crosses half way in.
    bool pressed[2][PAD_BUTTONS] = {};
    // The hand-over button held MENU_HOLD_MS on a seated pad: once a hold,
    // and that hold hands nothing over.
    bool menu = false;
};

// The game controllers through SDL's game-controller layer, owned by the
// shell. freeglut keeps the window and the keyboard; SDL gets no window and
// no video, only the pads.
struct Gamepads {
    struct Pad {
        int id = -1; // SDL's instance id, which stays with the device while it is plugged in
        _SDL_GameController* controller = nullptr;
        bool triggerDown[2] = {}; // left, right: for presses of a trigger bound to a one-shot
        // The hand-over button while it is down: a short press hands over as
        // it is let go, a long one asks for the menu.
        PadButton handOverHeld = PAD_NONE;
        uint32_t handOverSince = 0; // poll time of its press, milliseconds
        bool menuAsked = false;     // this hold has asked for the menu
    };

    bool running = false;
    PadSeats seats;
    std::vector<Pad> pads; // every open pad, seated or waiting

    // Starts SDL's game controllers, reads extra mappings from mappingsFile
    // when there is one (SDL itself reads SDL_GAMECONTROLLERCONFIG), and
    // opens the pads already plugged in. Without SDL the game plays on with
    // keys only, after one line on standard error; false then.
    bool start(const char* mappingsFile);

    // Once per drawn frame: SDL's events (pads plugged in or out, the hand
    // over, pause and camera buttons, each press once, for the seat its pad
    // is in; a waiting pad's do nothing), then each seat's held buttons and
    // left stick into input[seat], the lean raw (the dead zone is
    // padControls'). A seat without a pad reads not connected. nowMs is the
    // time of the poll on any millisecond clock, for the hand-over button's
    // hold; without it, SDL's.
    PadEvents poll(PadInput (&input)[2], const PadLayout (&layouts)[2], uint32_t nowMs);
    PadEvents poll(PadInput (&input)[2], const PadLayout (&layouts)[2]);
    // The same layout on both pads.
    PadEvents poll(PadInput (&input)[2], const PadLayout& layout, uint32_t nowMs);
    PadEvents poll(PadInput (&input)[2], const PadLayout& layout);

    // Closes the pads and lets SDL's game controllers go.
    void stop();
};

// The extra mappings in a file of SDL mapping lines, one per line, for
// this platform or any: blank lines and # comments are skipped, and so are
// lines naming another platform. A line SDL refuses is skipped after one
// line on standard error naming the file, the line and SDL's reason. A
// missing file adds nothing and says nothing. Returns the mappings added.
int addPadMappings(const char* mappingsFile);
