#pragma once

// Slots of RenderAssets::displayLists.
enum ListSlot : int {
    LIST_ARCH_OPEN = 0,
    LIST_ARCH_CAPPED = 1,
    LIST_ARCH_PAIR = 2,
    LIST_ARCH_TRIPLE = 3,
    LIST_ARCH_CORNER = 4,
    LIST_TOWER = 5,
    LIST_LANDMARK = 6,
    LIST_ARCH_FRONT = 7,
    LIST_BUILDING_BIG = 8,
    LIST_BUILDING_SMALL = 9,
    LIST_KART_OUTLINE = 10,
    LIST_PLANT = 11,
    LIST_ARROW = 12,
    LIST_STEAM = 13,
    LIST_FRONT_CAP = 14,
    LIST_SIDE_CAP = 15,
    LIST_ARENA_PICTURE = 16,
};
constexpr int DISPLAY_LIST_SLOTS = LIST_ARENA_PICTURE + 1;
