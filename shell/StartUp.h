#pragma once

#include <string>

struct RenderAssets;
struct World;

// How long each step of start-up took, in seconds.
struct StartUpTimes {
    double glState = 0;
    double textures = 0; // the shading ramp and every image
    double models = 0;   // reading the model files
    double shading = 0;  // the models' palettes and lights
    double lists = 0;    // the static display lists and the wheel
    double setUp = 0;    // the arena's layout and the first match
};

// Everything between a fresh GL context and the first frame: the fixed GL
// state, the textures, the models and their shading, the static display lists
// and the first match. The game, its bench and its view tool share it so that
// they all draw the same arena. With times, says how long each step took.
// The data is read from dataFolder (empty: the working directory).
void startUpWorld(World& world, RenderAssets& assets, StartUpTimes* times = nullptr,
                  const std::string& dataFolder = "");
