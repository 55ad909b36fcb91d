#pragma once

#include "tools/art/models/Mesh.h"

#include <deque>
#include <string>

// A diffuse colour for the exported material, 0..1 per channel. The game
// shades scenery from its own palettes; this only tells a modelling tool
// what each part is meant to look like.
struct Colour {
    float r = 1, g = 1, b = 1;
};

inline constexpr Colour RED{0.55f, 0.10f, 0.03f};
inline constexpr Colour GOLD{0.74f, 0.55f, 0.09f};
inline constexpr Colour ORANGE{0.47f, 0.25f, 0.09f};
inline constexpr Colour GREY{0.45f, 0.45f, 0.45f};
inline constexpr Colour BROWN{0.41f, 0.13f, 0.0f};
inline constexpr Colour BLACK{0.08f, 0.08f, 0.08f};
inline constexpr Colour STONE{0.33f, 0.25f, 0.24f};
inline constexpr Colour SLATE{0.17f, 0.18f, 0.28f};
inline constexpr Colour STEEL{0.31f, 0.31f, 0.31f};
inline constexpr Colour UMBER{0.24f, 0.12f, 0.0f};
inline constexpr Colour KART_GREY{0.16f, 0.16f, 0.16f};
inline constexpr Colour KART_BODY{0.55f, 0.63f, 0.08f};

// One mesh object of a model file, in file order.
struct Part {
    std::string name;
    Colour colour;
    Mesh mesh;
};

// One model file: its exact name and its parts. A deque, so a sculptor may
// hold several parts' meshes at once while it fills them.
struct SculptedModel {
    std::string fileName;
    std::deque<Part> parts;

    Mesh* addPart(const std::string& name, Colour colour);
};

inline Mesh* SculptedModel::addPart(const std::string& name, Colour colour) {
    parts.push_back(Part{name, colour, Mesh{}});
    return &parts.back().mesh;
}
