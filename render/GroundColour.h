#pragma once

// The grass beyond the arena: the sky box floor, the nearest hill band and
// the outer ground quad share it so they meet without a seam.
constexpr float GROUND_GREEN[3] = {0.035f, 0.36f, 0.1f};
