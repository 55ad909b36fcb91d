#pragma once

#include "render/ListSlots.h"

// Where each building model stands: its origin's world x and z, its turn
// about +y in degrees, and a stretch along its own x before turning.
struct BuildingPlacement {
    ListSlot list;
    float x, z;
    float turn;
    float widthScale;
};

// A south row along z = 0 (0-14), a north row along z = 90 facing south
// (15-29), a short street off the north side (30-34), then the east side
// (35-44) and the west side (45-54), the east side turned half round the
// field's centre (0, 45).
constexpr BuildingPlacement BUILDINGS[] = {
    {LIST_ARCH_CAPPED, -102.5f, 0, 0, 1},      {LIST_ARCH_OPEN, -72.5f, 0, 0, 1},
    {LIST_ARCH_CAPPED, -42.5f, 0, 0, 1},       {LIST_LANDMARK, 0, 0, 0, 1},
    {LIST_ARCH_CAPPED, 12.5f, 0, 0, 1},        {LIST_ARCH_OPEN, 42.5f, 0, 0, 1},
    {LIST_ARCH_CAPPED, 72.5f, 0, 0, 1},        {LIST_BUILDING_SMALL, -102.5f, 0, 0, 1},
    {LIST_ARCH_PAIR, -77.5f, 0, 0, 1},         {LIST_BUILDING_BIG, -67.5f, 0, 0, 1},
    {LIST_ARCH_TRIPLE, -27.5f, 0, 0, 1},       {LIST_ARCH_TRIPLE, 12.5f, 0, 0, 1},
    {LIST_BUILDING_BIG, 27.5f, 0, 0, 1},       {LIST_ARCH_PAIR, 67.5f, 0, 0, 1},
    {LIST_BUILDING_SMALL, 77.5f, 0, 0, 1},     {LIST_ARCH_CAPPED, 102.5f, 90, 180, 1},
    {LIST_ARCH_OPEN, 72.5f, 90, 180, 1},       {LIST_ARCH_CAPPED, 42.5f, 90, 180, 1},
    {LIST_ARCH_FRONT, 0, 90, 180, 1},          {LIST_ARCH_CAPPED, -12.5f, 90, 180, 1},
    {LIST_ARCH_OPEN, -42.5f, 90, 180, 1},      {LIST_ARCH_CAPPED, -72.5f, 90, 180, 1},
    {LIST_BUILDING_BIG, 102.5f, 90, 180, 1},   {LIST_ARCH_PAIR, 62.5f, 90, 180, 1},
    {LIST_BUILDING_SMALL, 52.5f, 90, 180, 1},  {LIST_ARCH_TRIPLE, 27.5f, 90, 180, 1},
    {LIST_ARCH_TRIPLE, -12.5f, 90, 180, 1},    {LIST_BUILDING_SMALL, -27.5f, 90, 180, 1},
    {LIST_ARCH_PAIR, -52.5f, 90, 180, 1},      {LIST_BUILDING_BIG, -62.5f, 90, 180, 1},
    {LIST_FRONT_CAP, 0, 150, 180, 1},          {LIST_ARCH_CAPPED, 19.55f, 100, -90, 1},
    {LIST_ARCH_CAPPED, 19.55f, 130, -90, 1},   {LIST_ARCH_CAPPED, -20.45f, 130, 90, 1},
    {LIST_ARCH_CAPPED, -20.45f, 160, 90, 1},   {LIST_ARCH_CORNER, 102.5f, 0, 0, 1},
    {LIST_BUILDING_SMALL, 105, 0, -90, 1.1f},  {LIST_ARCH_CAPPED, 105, 2.5f, -90, 1},
    {LIST_TOWER, 105, 32.5f, -90, 1},          {LIST_SIDE_CAP, 144.55f, 45, -90, 1},
    {LIST_ARCH_CAPPED, 105, 57.5f, -90, 1},    {LIST_BUILDING_SMALL, 105, 62.5f, -90, 1.1f},
    {LIST_ARCH_CORNER, 105, 87.5f, -90, 1},    {LIST_ARCH_CAPPED, 145, 56.6f, 180, 1},
    {LIST_ARCH_CAPPED, 115, 33.3f, 0, 1},      {LIST_ARCH_CORNER, -102.5f, 90, 180, 1},
    {LIST_BUILDING_SMALL, -105, 90, 90, 1.1f}, {LIST_ARCH_CAPPED, -105, 87.5f, 90, 1},
    {LIST_TOWER, -105, 57.5f, 90, 1},          {LIST_SIDE_CAP, -144.55f, 45, 90, 1},
    {LIST_ARCH_CAPPED, -105, 32.5f, 90, 1},    {LIST_BUILDING_SMALL, -105, 27.5f, 90, 1.1f},
    {LIST_ARCH_CORNER, -105, 2.5f, 90, 1},     {LIST_ARCH_CAPPED, -145, 33.4f, 0, 1},
    {LIST_ARCH_CAPPED, -115, 56.7f, 180, 1},
};
constexpr int BUILDING_COUNT = sizeof BUILDINGS / sizeof BUILDINGS[0];
static_assert(BUILDING_COUNT == 55);
