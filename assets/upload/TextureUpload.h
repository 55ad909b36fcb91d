#pragma once

#include "assets/TgaReader.h"

#include <cstdint>
#include <string>

// Reads the TGA file at path into a mipmapped 2D texture in
// textureIds[index]. A file that cannot be read ends the program with
// status 1 after one line on standard error naming it and the fault; an
// optional one gets the line too, and false, its slot left as it was.
bool loadTexture(uint32_t* textureIds, const char* path, int index, bool optional = false);

// Every level of the bound 2D texture from image, down to 1 x 1. Power-of-two
// images that fit are halved here, texel for texel as the graphics utility
// library would, in a fraction of its time; anything else goes through the
// library, which also scales it.
void uploadMipmaps(const TgaImage& image);

// Every image of the texture table into its slot, in load order, from the
// folder (empty: the working directory); an optional image that cannot be
// read leaves its slot 0. The shading ramp in slot 0 is made first, by the
// renderer.
void loadTextures(uint32_t* textureIds, const std::string& folder = "");
