#include "render/ParticleDraw.h"

#include "render/SpriteDraw.h"

void drawParticleSystem(const RenderAssets& assets, const ParticleSystem& system, float cameraX,
                        float cameraZ) {
    // The count is trusted no further than the ring it counts.
    const int count = system.count < PARTICLE_CAPACITY ? system.count : PARTICLE_CAPACITY;
    SpriteBatch puffs{assets};
    for (int i = 0; i < count; ++i) {
        const Particle& particle = system.particles[i];
        if (particle.alive)
            puffs.add(puffSprite(particle), cameraX, cameraZ, system.colour[0], system.colour[1],
                      system.colour[2]);
    }
    puffs.finish();
}
