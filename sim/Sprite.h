#pragma once

#include "support/Vec3.h"

#include <cstdint>

// What a sprite shows: the renderer has the picture for each.
enum SpriteLook : uint8_t {
    LOOK_NONE,
    LOOK_MOON,
    LOOK_CLOUD_1,
    LOOK_CLOUD_2,
    LOOK_CLOUD_3,
    LOOK_PALM,
    LOOK_LAMP,
    LOOK_PUFF,
    LOOK_COCONUT,
    SPRITE_LOOKS
};

// A textured upright quad that turns about y to face the viewer.
struct Sprite {
    SpriteLook look = LOOK_NONE;
    float halfWidth = 0;
    float height = 0; // the quad rises this far above position
    Vec3 position;    // bottom centre
    float alpha = 1;

    void init(float x, float y, float z, float width, float quadHeight, SpriteLook shown);
    void setSize(float s);
    void setAlpha(float a) { alpha = a; }
    // Half the quad's bottom edge, at right angles to the horizontal line of
    // sight; zero when the viewer stands on the sprite's own x and z.
    Vec3 acrossFor(float cameraX, float cameraZ) const;
};

// A sprite pair on opposite sides of the arena, turning about it: a cloud band.
struct CirclingSprite {
    Sprite sprite;
    float angle = 0; // degrees, kept in [0, 360]
    float rate = 0;  // degrees per second
    float distance = 0;

    void init(SpriteLook shown, float degreesPerSecond, float startAngle, float y,
              float fromCentre);
    void update(float dt);
};
