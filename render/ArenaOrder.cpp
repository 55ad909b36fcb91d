#include "render/ArenaOrder.h"

#include <algorithm>

namespace {

// Wider than a float's slack at the arena's size; narrow enough that faces
// across a lane from each other still sort by distance.
constexpr float CONTACT_MARGIN = 0.5f;

struct Box {
    float low[3], high[3];
};

Box boxOf(const ArenaQuad& quad) {
    Box box{{quad.corners[0].x, quad.corners[0].y, quad.corners[0].z},
            {quad.corners[0].x, quad.corners[0].y, quad.corners[0].z}};
    for (const ArenaCorner& c : quad.corners) {
        const float p[3] = {c.x, c.y, c.z};
        for (int k = 0; k < 3; ++k) {
            box.low[k] = std::min(box.low[k], p[k]);
            box.high[k] = std::max(box.high[k], p[k]);
        }
    }
    return box;
}

float squaredDistance(const Box& box, Vec3 eye) {
    const float e[3] = {eye.x, eye.y, eye.z};
    float sum = 0;
    for (int k = 0; k < 3; ++k) {
        const float gap = std::max({box.low[k] - e[k], 0.0f, e[k] - box.high[k]});
        sum += gap * gap;
    }
    return sum;
}

} // namespace

ArenaContacts findArenaContacts() {
    Box boxes[OPAQUE_ARENA_QUADS];
    for (int q = 0; q < OPAQUE_ARENA_QUADS; ++q)
        boxes[q] = boxOf(ARENA_QUADS[q]);
    ArenaContacts contacts{};
    for (int a = 0; a < OPAQUE_ARENA_QUADS; ++a)
        for (int b = 0; b < OPAQUE_ARENA_QUADS; ++b) {
            bool near = a != b;
            for (int k = 0; k < 3 && near; ++k)
                near = boxes[a].low[k] - CONTACT_MARGIN <= boxes[b].high[k] &&
                       boxes[b].low[k] - CONTACT_MARGIN <= boxes[a].high[k];
            contacts.touching[a][b] = near;
        }
    return contacts;
}

// Each step takes the nearest quad whose touching quads listed before it are
// all drawn: a listed-order-keeping sort, and 37 quads make the square cheap.
ArenaOrder orderArenaNearestFirst(const ArenaContacts& contacts, Vec3 eye) {
    float distance[OPAQUE_ARENA_QUADS];
    for (int q = 0; q < OPAQUE_ARENA_QUADS; ++q)
        distance[q] = squaredDistance(boxOf(ARENA_QUADS[q]), eye);
    bool drawn[OPAQUE_ARENA_QUADS] = {};
    ArenaOrder order{};
    for (int& next : order.quads) {
        int best = -1;
        for (int q = 0; q < OPAQUE_ARENA_QUADS; ++q) {
            if (drawn[q] || (best >= 0 && distance[q] >= distance[best]))
                continue;
            bool ready = true;
            for (int earlier = 0; earlier < q && ready; ++earlier)
                ready = drawn[earlier] || !contacts.touching[q][earlier];
            if (ready)
                best = q;
        }
        drawn[best] = true;
        next = best;
    }
    return order;
}
