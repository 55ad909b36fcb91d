#include "sim/Arena.h"

#include <cstdlib>

namespace {

void addPlacement(std::vector<Placement>& list, float x, float z, SpriteLook look) {
    list.push_back({x, z, look});
}

} // namespace

void fillPlacements(std::vector<Placement>& list) {
    constexpr SpriteLook palm = LOOK_PALM, lamp = LOOK_LAMP;

    // Two rows of palms beyond each goal.
    for (int i = 0; i < 6; ++i) {
        const float out = 135.0f + 5.0f * i;
        addPlacement(list, -out, 35, palm);
        addPlacement(list, -out, 55, palm);
        addPlacement(list, out, 35, palm);
        addPlacement(list, out, 55, palm);
    }

    // A cross of lamps on every pad, with a few palms scattered round it.
    constexpr int CROSS_ARM = 10;
    constexpr int SCATTER = 20; // offsets -10 .. +9
    for (int e : {25, 65}) {
        for (int f : {-80, -40, 40, 80}) {
            addPlacement(list, f + CROSS_ARM, e, lamp);
            addPlacement(list, f, e + CROSS_ARM, lamp);
            addPlacement(list, f - CROSS_ARM, e, lamp);
            addPlacement(list, f, e - CROSS_ARM, lamp);
            const int palms = std::rand() % 5 + 3;
            for (int p = 0; p < palms; ++p) {
                // z is drawn first.
                const int z = e - CROSS_ARM + std::rand() % SCATTER;
                const int x = f - CROSS_ARM + std::rand() % SCATTER;
                addPlacement(list, static_cast<float>(x), static_cast<float>(z), palm);
            }
        }
    }

    // Lamps at the far ends of the goal approaches.
    addPlacement(list, 155, 47.5f, lamp);
    addPlacement(list, 155, 42.5f, lamp);
    addPlacement(list, -155, 47.5f, lamp);
    addPlacement(list, -155, 42.5f, lamp);
}
