#pragma once

#include "render/RenderAssets.h"
#include "sim/Projectile.h"

// Every live coconut, in slot order, white, facing the viewer.
void drawProjectiles(const RenderAssets& assets, const ProjectileTable& table, float cameraX,
                     float cameraZ);
