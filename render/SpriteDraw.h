#pragma once

#include "render/RenderAssets.h"
#include "sim/Sprite.h"

// The quad turned to face the viewer at (cameraX, cameraZ), tinted.
// Blending, alpha test and depth mask are the caller's.
void drawSprite(const RenderAssets& assets, const Sprite& sprite, float cameraX, float cameraZ,
                float red, float green, float blue);

// Sprites drawn one after another, in the same order and to the same picture
// as one drawSprite each, but sharing a draw while the texture stays the
// same: the software renderer pays for every draw, far less for every quad.
// Nothing else may touch GL between add and finish.
struct SpriteBatch {
    const RenderAssets& assets;
    uint32_t texture = 0;
    bool open = false;

    void add(const Sprite& sprite, float cameraX, float cameraZ, float red, float green,
             float blue);
    void finish();
};

// Both quads of a cloud band, on opposite sides of the arena.
void drawCirclingSprite(const RenderAssets& assets, const CirclingSprite& cloud, float cameraX,
                        float cameraZ);
