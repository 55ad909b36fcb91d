#pragma once

#include <string>

struct World;

// The folder of the player's own settings: $XDG_CONFIG_HOME/vorlane-kart,
// or ~/.config/vorlane-kart; empty when neither can be told.
std::string configFolder();

// Reads the controls file (controls.conf in the settings folder) into the
// World's key bindings and pad layouts, if there is one. Each line it cannot
// use is named on standard error; the game starts all the same. The game
// never writes the file.
void loadControls(World& world);
