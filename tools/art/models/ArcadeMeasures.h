#pragma once

// Where the arcades stand in their own frame: pieces run along +x from their
// origin, the field lies toward +z, and the walkway under the arches is the
// 8-deep tiled strip behind the fence line at z = 0.
inline constexpr float BAY = 5;             // column spacing
inline constexpr float ARCADE_LENGTH = 30;  // six bays
inline constexpr float COLUMN_HALF = 0.45f; // the fence posts are the columns
inline constexpr float COLUMN_BACK = -0.9f; // columns stand on z -0.9 .. 0
inline constexpr float SPRING = 4.6f;       // arches spring from the column tops
inline constexpr float ARCH_RADIUS = BAY / 2 - COLUMN_HALF;
inline constexpr float PANEL_TOP = 7.2f; // top of the arched wall, the ceiling
inline constexpr float EAVE = 7.8f;      // top of the cornice, foot of the roof
inline constexpr float RIDGE = 9.6f;
inline constexpr float ROOF_FRONT = 0.4f;
inline constexpr float ROOF_BACK = -9.5f;
inline constexpr float BACK_WALL_FRONT = -9.0f; // the walkway ends here
inline constexpr float BACK_WALL_BACK = -9.3f;

// The houses behind the arcades fill the solid block behind the walkway.
inline constexpr float HOUSE_FRONT = BACK_WALL_BACK;
inline constexpr float HOUSE_BACK = -29.1f;
