#pragma once

#include "sim/Sprite.h"

// The quad turned to face the viewer at (cameraX, cameraZ), tinted.
// Blending, alpha test and depth mask are the caller's.
void drawSprite(const Sprite& sprite, float cameraX, float cameraZ, float red, float green,
                float blue);

// Both quads of a cloud band, on opposite sides of the arena.
void drawCirclingSprite(const CirclingSprite& cloud, float cameraX, float cameraZ);
