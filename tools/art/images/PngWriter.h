// PNG output for the pictures that leave the game: the desktop icons.
#pragma once

#include "Canvas.h"

#include <cstdint>
#include <vector>

// RGBA, 8 bits a channel, top row first.
std::vector<uint8_t> encodePng(const Canvas& canvas);
