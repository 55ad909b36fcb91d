#pragma once

#include "assets/TextureSlots.h"

// One image file and the texture slot it fills. The game cannot start
// without a required one; an optional one missing leaves its slot empty
// (0), and what would show it is not drawn.
struct TextureFile {
    TextureSlot slot;
    const char* file;
    bool optional = false;
};

constexpr int TEXTURE_FILE_COUNT = 37;

// The images in load order, read from the working directory. Slot 0 (the
// shading ramp) is made before them; 11 and 12 stay empty. The images added
// after the first 31 are optional, so a data folder from before them still
// plays.
constexpr TextureFile TEXTURE_FILES[TEXTURE_FILE_COUNT] = {
    {TEX_CLOUD1, "cloud1.tga"},
    {TEX_CLOUD2, "cloud2.tga"},
    {TEX_CLOUD3, "cloud3.tga"},
    {TEX_MOON, "moon.tga"},
    {TEX_PARTICLE, "particle.tga"},
    {TEX_FLOOR, "floor.tga"},
    {TEX_PLASMA, "plasma.tga"},
    {TEX_FENCE, "fence.tga"},
    {TEX_SHADOW, "shadow.tga"},
    {TEX_PALM, "palmtree1.tga"},
    {TEX_COCONUT, "coconut.tga"},
    {TEX_HILLS, "hills.tga"},
    {TEX_LAMP, "lamp.tga"},
    {TEX_BIKE, "bike.tga"},
    {TEX_QUOREL, "quorel.tga"},
    {TEX_BUSH, "bush.tga"},
    {TEX_BRAKE_LIGHT, "brakelight.tga"},
    {TEX_TALVIK, "talvik.tga"},
    {TEX_ODOMETER, "odometer.tga"},
    {TEX_NEEDLE, "needle.tga"},
    {TEX_BRICK, "brick.tga"},
    {TEX_ARCADE_TILE, "arcadetile.tga"},
    {TEX_MSG_P1_WINS, "msgp1wins.tga"},
    {TEX_MSG_P2_WINS, "msgp2wins.tga"},
    {TEX_MSG_HURRY_UP, "msghurryup.tga"},
    {TEX_MSG_GOAL, "msggoal.tga"},
    {TEX_MSG_READY, "msgready.tga"},
    {TEX_MSG_SET, "msgset.tga"},
    {TEX_MSG_GO, "msggo.tga"},
    {TEX_MSG_TITLE, "msgtitle.tga"},
    {TEX_MSG_NUMBERS, "msgnumbers.tga"},
    {TEX_MSG_PAUSED, "msgpaused.tga", true},
    {TEX_MSG_CHOOSE, "msgchoose.tga", true},
    {TEX_MSG_CPU, "msgcpu.tga", true},
    {TEX_MSG_EASY, "msgeasy.tga", true},
    {TEX_MSG_NORMAL, "msgnormal.tga", true},
    {TEX_MSG_HARD, "msghard.tga", true},
};
