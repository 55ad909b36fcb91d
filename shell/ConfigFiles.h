#pragma once

#include "app/Settings.h"

#include <string>

struct World;

// The folder of the player's own settings: $XDG_CONFIG_HOME/vorlane-kart,
// or ~/.config/vorlane-kart; empty when neither can be told.
std::string configFolder();

// Reads the controls file (controls.conf in the settings folder) into the
// World's key bindings and pad layouts, if there is one. Each line it cannot
// use is named on standard error; the game starts all the same.
void loadControls(World& world);

// One binding written into the controls file, as the menus rebind: name and
// value as the file has them (controlName(), keyName(), padButtonName()).
// The rest of the file stays as the player wrote it; a missing file is
// made. False with *error saying why when the file cannot be read or
// written, or no settings folder is known.
bool saveControl(const std::string& name, const std::string& value, std::string* error);

// The settings file (settings.conf in the settings folder): no file gives
// the defaults, silently; each line it cannot use, or a file it cannot
// read, is named on standard error and the rest is the defaults.
Settings loadSettings();

// Writes the settings file whole, in place of the old one. The first
// failure in a run is named on standard error, once; the game plays on
// without it either way. With no settings folder known it does nothing.
void saveSettings(const Settings& settings);
