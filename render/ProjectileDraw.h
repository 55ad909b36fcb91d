#pragma once

#include "sim/Projectile.h"

// Every live coconut, in slot order, white, facing the viewer.
void drawProjectiles(const ProjectileTable& table, float cameraX, float cameraZ);
