#pragma once

#include "app/Controls.h"
#include "app/Input.h"

#include <string>
#include <vector>

// A player's own keys and pad buttons, from a text file of lines such as
//
//   player1.throttle = w
//   player2.fire = y
//   player1.pad.boost = b      # pad buttons by their SDL names
//
// Actions: throttle brake reverse boost fire respawn steer_left steer_right
// slide_left slide_right; on a pad also camera pause hand_over (its stick
// steers). Keys: one character, lower case, or "space"; the game's own keys
// (0-3, 5-7, 9, ';', 'c', 'n', 'p') are not free.
struct ControlsChoice {
    KeyBindings keys;
    PadLayout pads[2];
};

// The choices read from text, over the defaults. A line that cannot be used
// (unknown action or key, a key bound twice) leaves its action at its
// default and adds one message, "FILE:LINE: what is wrong".
ControlsChoice readControls(const std::string& text, const std::string& fileName,
                            std::vector<std::string>* problems);

// A pad button by its SDL name ("a", "righttrigger", ...), or PAD_NONE.
PadButton padButtonNamed(const std::string& name);
