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

// The desktop icon's sizes, in pixels square: the usual hicolor theme sizes.
constexpr int ICON_SIZES[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};
std::string iconFileName(int size); // "vorlane-kart-<size>.png"

const std::vector<ImageFile>& imageFiles();
// The glyph sheet is not in the texture table: the renderer reads it itself,
// and the game starts without it.
const ImageFile& glyphSheetFile(); // "glyphs.tga"
// Writes all images, the glyph sheet and the engine sample into `folder`.
bool writeGameData(const std::string& folder, std::string* error);
// Writes the icon at every size into `folder`.
bool writeIcons(const std::string& folder, std::string* error);
