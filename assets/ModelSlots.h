#pragma once

// Slots of the renderer's model table, one per model file.
enum ModelSlot : int {
    MODEL_ARCH_OPEN = 0,
    MODEL_ARCH_CAPPED = 1,
    MODEL_ARCH_PAIR = 2,
    MODEL_ARCH_TRIPLE = 3,
    MODEL_ARCH_CORNER = 4,
    MODEL_TOWER = 5,
    MODEL_LANDMARK = 6,
    MODEL_ARCH_FRONT = 7,
    MODEL_BUILDING_BIG = 8,
    MODEL_BUILDING_SMALL = 9,
    MODEL_KART_BODY = 10,
    MODEL_KART_OUTLINE = 11,
    MODEL_PLANT = 12,
    MODEL_ARROW = 13,
    MODEL_STEAM = 14,
    MODEL_FRONT_CAP = 15,
    MODEL_SIDE_CAP = 16,
};
constexpr int MODEL_SLOTS = 17;
