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
// The name the file gives a button; "" for PAD_NONE.
const char* padButtonName(PadButton button);

// A pad's own targets, numbered after the kart actions: with them an action
// number 0..PAD_TARGETS-1 names every button a pad has to give.
constexpr int PAD_CAMERA_TARGET = KART_ACTIONS;
constexpr int PAD_PAUSE_TARGET = KART_ACTIONS + 1;
constexpr int PAD_HAND_OVER_TARGET = KART_ACTIONS + 2;
constexpr int PAD_TARGETS = KART_ACTIONS + 3;

// The file's name for a player's (0 or 1) key or pad button for an action:
// "player1.throttle", "player2.pad.camera"; "" for one it cannot hold (a
// pad's steering, a key for a pad's own target).
std::string controlName(int player, int action, bool pad);
// A key as the file writes it: "space", or the character.
std::string keyName(unsigned char key);

// The text with name set to value: the value on the last line that sets
// name replaced, the rest of that line (indentation, spacing, comment, line
// ending) and every other line kept byte for byte; with no such line,
// "name = value" added at the end. Name and value are one line each and
// hold no '#': otherwise the text comes back as it was.
std::string rewriteControls(const std::string& text, const std::string& name,
                            const std::string& value);

// Why a player may not give an action that key (a short note for a menu),
// or "" when they may: the key is another action's, either player's, or the
// game's own. The key an action already has is always allowed.
std::string keyRefusal(const KeyBindings& keys, unsigned char key, int player, int action);
// The same for a button on that player's pad, whose layout is given;
// actions include the pad's own targets, and the stick steers.
std::string buttonRefusal(const PadLayout& pad, PadButton button, int player, int action);
