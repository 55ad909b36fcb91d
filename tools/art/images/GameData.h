// Every file the generator writes: the game's images by their fixed names,
// each with the TGA layout it is stored in, and the engine sample.
#pragma once

#include "Canvas.h"
#include "Lettering.h"
#include "TgaWriter.h"

#include <functional>
#include <string>
#include <vector>

struct ImageFile {
    const char* name;
    TgaFormat format;
    std::function<Canvas(const Font&)> paint;
};

constexpr const char* ENGINE_SAMPLE_FILE = "ray01.wav";

const std::vector<ImageFile>& imageFiles();
// Writes all images and the engine sample into `folder`.
bool writeGameData(const std::string& folder, std::string* error);
