#include "shell/StartUp.h"

#include "app/World.h"
#include "assets/ModelTable.h"
#include "assets/upload/TextureUpload.h"
#include "render/GlState.h"
#include "render/KartDraw.h"
#include "render/RenderAssets.h"
#include "render/ShadingRamp.h"
#include "render/StaticLists.h"

#include <GL/glu.h>
#include <chrono>

namespace {

struct StepClock {
    std::chrono::steady_clock::time_point last = std::chrono::steady_clock::now();

    // Seconds since the previous lap.
    double lap() {
        const auto now = std::chrono::steady_clock::now();
        const double seconds = std::chrono::duration<double>(now - last).count();
        last = now;
        return seconds;
    }
};

} // namespace

void startUpWorld(World& world, RenderAssets& assets, StartUpTimes* times,
                  const std::string& dataFolder) {
    StartUpTimes spent;
    StepClock clock;
    setFixedGlState();
    spent.glState = clock.lap();
    // The ramp takes texture slot 0 before any picture is read.
    makeShadingRamp(assets.textureIds);
    loadTextures(assets.textureIds, dataFolder);
    spent.textures = clock.lap();
    loadModels(assets.models, dataFolder);
    spent.models = clock.lap();
    prepareModels(assets.models);
    spent.shading = clock.lap();
    compileStaticLists(assets.displayLists, assets.listBounds, assets.models, assets.textureIds);
    assets.wheelList = makeWheelList(world.karts[0]);
    assets.ballSphere = gluNewQuadric();
    spent.lists = clock.lap();
    world.setUp();
    spent.setUp = clock.lap();
    if (times != nullptr)
        *times = spent;
}
