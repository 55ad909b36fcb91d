#pragma once

#include "app/GameMode.h"
#include "app/cpu/CpuLevel.h"

#include <string>
#include <vector>

// The player's choices that outlast a run, as the menus set them. The file
// holds lines such as
//
//   effects_volume = 8     # 0..10
//   view = split           # or one: a single full-window view
//   player2 = cpu          # the computer drives player 2's kart
//
// Names and values: effects_volume and music_volume 0..10, full_screen
// yes|no, view split|one, sky day|dusk, player1 and player2 keys|cpu,
// cpu_level easy|normal|hard, last_match race|tag|ball.
struct Settings {
    int effectsVolume = 8; // 0..10
    int musicVolume = 6;   // 0..10
    bool fullScreen = false;
    bool splitScreen = true; // false: one full-window view
    bool duskSky = false;
    bool cpuSeat[2] = {}; // the computer drives player 1's / player 2's kart
    CpuLevel cpuLevel = CPU_NORMAL;
    GameMode lastMatch = GAME_RACE; // GAME_RACE, GAME_TAG or GAME_BALL
    bool operator==(const Settings&) const = default;
};

constexpr int VOLUME_STEPS = 10; // a volume is 0..VOLUME_STEPS

// The settings read from text, over the defaults. A line that cannot be
// used (unknown name, bad value, no '=') is passed over, so its setting
// keeps its default (or an earlier line's value), and adds one message,
// "FILE:LINE: what is wrong". A later line for a name overrides an earlier.
Settings readSettings(const std::string& text, const std::string& fileName,
                      std::vector<std::string>* problems);

// The whole file for the settings, a short header comment first. A volume
// out of range is written clamped, a match other than tag or ball as race,
// so the file always reads back.
std::string settingsText(const Settings& settings);
