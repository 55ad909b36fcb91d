#include "render/StaticLists.h"

#include "assets/ModelSlots.h"
#include "render/ArenaList.h"
#include "render/ListBuilders.h"
#include "render/ListSlots.h"

#include <GL/gl.h>

namespace {

struct BandedListSource {
    ListSlot list;
    ModelSlot model;
};

// The order the lists are made in; the names GL hands out follow it.
constexpr BandedListSource BUILDING_LISTS[] = {
    {LIST_ARCH_CAPPED, MODEL_ARCH_CAPPED},
    {LIST_ARCH_OPEN, MODEL_ARCH_OPEN},
    {LIST_TOWER, MODEL_TOWER},
    {LIST_BUILDING_BIG, MODEL_BUILDING_BIG},
    {LIST_BUILDING_SMALL, MODEL_BUILDING_SMALL},
    {LIST_ARCH_CORNER, MODEL_ARCH_CORNER},
    {LIST_ARCH_PAIR, MODEL_ARCH_PAIR},
    {LIST_ARCH_TRIPLE, MODEL_ARCH_TRIPLE},
    {LIST_ARCH_FRONT, MODEL_ARCH_FRONT},
    {LIST_LANDMARK, MODEL_LANDMARK},
    {LIST_FRONT_CAP, MODEL_FRONT_CAP},
    {LIST_SIDE_CAP, MODEL_SIDE_CAP},
};

} // namespace

void compileStaticLists(uint32_t* displayLists, BoundingSphere* listBounds, const Model* models,
                        const uint32_t* textureIds) {
    for (const BandedListSource& source : BUILDING_LISTS) {
        displayLists[source.list] = glGenLists(1);
        compileBandedList(models[source.model], displayLists[source.list]);
        listBounds[source.list] = boundingSphereOf(models[source.model]);
    }

    // The outline shell is black whatever colour is current; the arrow takes
    // the current colour so each player's guide can tint it.
    displayLists[LIST_KART_OUTLINE] = glGenLists(1);
    compilePlainList(models[MODEL_KART_OUTLINE], displayLists[LIST_KART_OUTLINE], true, 0, 0, 0);
    displayLists[LIST_PLANT] = glGenLists(1);
    compileBandedList(models[MODEL_PLANT], displayLists[LIST_PLANT]);
    displayLists[LIST_ARROW] = glGenLists(1);
    compilePlainList(models[MODEL_ARROW], displayLists[LIST_ARROW], false, 0, 0, 0);
    displayLists[LIST_STEAM] = glGenLists(1);
    compileBandedList(models[MODEL_STEAM], displayLists[LIST_STEAM]);

    displayLists[LIST_ARENA_PICTURE] = glGenLists(1);
    compileArenaPictureList(displayLists[LIST_ARENA_PICTURE], textureIds);
}
