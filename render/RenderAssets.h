#pragma once

#include "assets/Model.h"
#include "assets/ModelSlots.h"
#include "assets/TextureSlots.h"
#include "render/ListSlots.h"
#include "render/ViewFrustum.h"
#include "render/Viewport.h"
#include "sim/Sprite.h"

#include <cstdint>

struct GLUquadric;
#include <vector>

// A palm or lamp as the last view sorted them, far to near.
struct Billboard {
    float sortKey; // squared horizontal distance to that view's camera
    float x, z;
    SpriteLook look;
};

// What the renderer keeps from start-up to the end: the GL names of its
// textures and lists, the models it draws from, and its own scratch space.
// The World knows none of it; the shell owns one.
struct RenderAssets {
    uint32_t textureIds[TEXTURE_SLOTS] = {};
    uint32_t displayLists[DISPLAY_LIST_SLOTS] = {};
    BoundingSphere
        listBounds[DISPLAY_LIST_SLOTS]; // the buildings' lists, for leaving out unseen ones
    uint32_t wheelList = 0;             // every kart of every match rolls on this one wheel
    GLUquadric* ballSphere = nullptr;   // one shape for every ball of the run
    Model models[MODEL_SLOTS];
    std::vector<Billboard> billboards;
    WindowSize window{1280, 960}; // the real window's size in pixels, as last reshaped

    // The picture a sprite shows.
    uint32_t textureOf(SpriteLook look) const;
};
