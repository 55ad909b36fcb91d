#include "render/StartUp.h"

#include "app/World.h"
#include "render/GlState.h"

void startUpWorld(World& world) {
    setFixedGlState();
    world.loadTextures();
    world.loadModels();
    world.prepareModels();
    world.compileStaticLists();
    world.setUp();
}
