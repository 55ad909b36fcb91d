#pragma once

// Slots of the renderer's texture table. 0 is the one-dimensional shading ramp; 11 and
// 12 are never filled.
enum TextureSlot : int {
    TEX_SHADING_RAMP = 0,
    TEX_CLOUD1 = 1,
    TEX_CLOUD2 = 2,
    TEX_CLOUD3 = 3,
    TEX_MOON = 4,
    TEX_PARTICLE = 5,
    TEX_FLOOR = 6,
    TEX_PLASMA = 7,
    TEX_FENCE = 8,
    TEX_SHADOW = 9,
    TEX_PALM = 10,
    TEX_COCONUT = 13,
    TEX_HILLS = 14,
    TEX_LAMP = 15,
    TEX_BIKE = 16,
    TEX_QUOREL = 17,
    TEX_BUSH = 18,
    TEX_BRAKE_LIGHT = 19,
    TEX_TALVIK = 20,
    TEX_ODOMETER = 21,
    TEX_NEEDLE = 22,
    TEX_BRICK = 23,
    TEX_ARCADE_TILE = 24,
    TEX_MSG_P1_WINS = 25,
    TEX_MSG_P2_WINS = 26,
    TEX_MSG_HURRY_UP = 27,
    TEX_MSG_GOAL = 28,
    TEX_MSG_READY = 29,
    TEX_MSG_SET = 30,
    TEX_MSG_GO = 31,
    TEX_MSG_TITLE = 32,
    TEX_MSG_NUMBERS = 33,
};
constexpr int TEXTURE_SLOTS = 34;
