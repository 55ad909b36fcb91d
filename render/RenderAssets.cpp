#include "render/RenderAssets.h"

namespace {

constexpr TextureSlot LOOK_TEXTURES[SPRITE_LOOKS] = {
    TEX_SHADING_RAMP, // LOOK_NONE: never drawn
    TEX_MOON,         TEX_CLOUD1, TEX_CLOUD2,   TEX_CLOUD3,
    TEX_PALM,         TEX_LAMP,   TEX_PARTICLE, TEX_COCONUT,
};

} // namespace

uint32_t RenderAssets::textureOf(SpriteLook look) const {
    return look < SPRITE_LOOKS ? textureIds[LOOK_TEXTURES[look]] : 0;
}
