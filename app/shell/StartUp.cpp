#include "app/shell/StartUp.h"

#include "app/World.h"
#include "assets/ModelTable.h"
#include "assets/upload/TextureUpload.h"
#include "render/GlState.h"
#include "render/KartDraw.h"
#include "render/ShadingRamp.h"
#include "render/StaticLists.h"

void startUpWorld(World& world) {
    setFixedGlState();
    // The ramp takes texture slot 0 before any picture is read.
    makeShadingRamp(world.textureIds);
    loadTextures(world.textureIds);
    loadModels(world.models);
    prepareModels(world.models);
    compileStaticLists(world.displayLists, world.models, world.textureIds);
    // Every kart of every match rolls on this one wheel.
    makeWheelList(world.karts[0]);
    world.setUp();
}
