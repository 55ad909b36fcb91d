#include "render/ProjectileDraw.h"

#include "render/SpriteDraw.h"

void drawProjectiles(const RenderAssets& assets, const ProjectileTable& table, float cameraX,
                     float cameraZ) {
    SpriteBatch coconuts{assets};
    for (int i = 0; i < PROJECTILE_SLOTS; ++i)
        if (table.used[i] && table.slots[i].life > 0)
            coconuts.add(table.slots[i].sprite, cameraX, cameraZ, 1, 1, 1);
    coconuts.finish();
}
