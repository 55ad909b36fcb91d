// Truevision TGA output: true-colour, 24 or 32 bits, stored raw or run-length
// encoded, bottom row first (the format's default origin).
#pragma once

#include "Canvas.h"

#include <cstdint>
#include <string>
#include <vector>

enum class TgaPacking { Raw, RunLength };

struct TgaFormat {
    int bitsPerPixel = 24; // 24 or 32
    TgaPacking packing = TgaPacking::Raw;
};

std::vector<uint8_t> encodeTga(const Canvas& canvas, TgaFormat format);
bool writeBytes(const std::string& path, const std::vector<uint8_t>& bytes, std::string* error);
