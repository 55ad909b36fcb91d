#pragma once

#include "render/RenderAssets.h"
#include "sim/ParticleSystem.h"
#include "sim/Sprite.h"

// A puff's billboard as it is drawn: as tall as the puff's size, as wide, and
// as opaque as its alpha. A copy, so drawing leaves the simulation alone.
inline Sprite puffSprite(const Particle& particle) {
    Sprite sprite = particle.sprite;
    sprite.setSize(particle.size);
    sprite.setAlpha(particle.alpha);
    return sprite;
}

// Every live puff of the system, turned to face the viewer at (cameraX,
// cameraZ), in the system's colour. Blending and depth are the caller's.
void drawParticleSystem(const RenderAssets& assets, const ParticleSystem& system, float cameraX,
                        float cameraZ);
