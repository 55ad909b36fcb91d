#include "render/ArenaOrder.h"

#include <algorithm>

namespace {

// Wider than a float's slack at the arena's size; narrow enough that faces
// across a lane from each other still sort by distance.
constexpr float CONTACT_MARGIN = 0.5f;

// From the nearest point of a quad's box.
float squaredDistance(const ArenaContacts& contacts, int quad, Vec3 eye) {
    const float e[3] = {eye.x, eye.y, eye.z};
    float sum = 0;
    for (int k = 0; k < 3; ++k) {
        const float gap =
            std::max({contacts.low[quad][k] - e[k], 0.0f, e[k] - contacts.high[quad][k]});
        sum += gap * gap;
    }
    return sum;
}

} // namespace

ArenaContacts findArenaContacts() {
    ArenaContacts contacts{};
    for (int q = 0; q < OPAQUE_ARENA_QUADS; ++q)
        for (int i = 0; i < 4; ++i) {
            const ArenaCorner& c = ARENA_QUADS[q].corners[i];
            const float p[3] = {c.x, c.y, c.z};
            for (int k = 0; k < 3; ++k) {
                contacts.low[q][k] = i == 0 ? p[k] : std::min(contacts.low[q][k], p[k]);
                contacts.high[q][k] = i == 0 ? p[k] : std::max(contacts.high[q][k], p[k]);
            }
        }
    for (int a = 0; a < OPAQUE_ARENA_QUADS; ++a)
        for (int b = 0; b < OPAQUE_ARENA_QUADS; ++b) {
            bool near = a != b;
            for (int k = 0; k < 3 && near; ++k)
                near = contacts.low[a][k] - CONTACT_MARGIN <= contacts.high[b][k] &&
                       contacts.low[b][k] - CONTACT_MARGIN <= contacts.high[a][k];
            contacts.touching[a][b] = near;
        }
    return contacts;
}

// Each step takes the nearest quad whose touching quads listed before it are
// all drawn: a listed-order-keeping sort, and 37 quads make the square cheap.
ArenaOrder orderArenaNearestFirst(const ArenaContacts& contacts, Vec3 eye) {
    float distance[OPAQUE_ARENA_QUADS];
    for (int q = 0; q < OPAQUE_ARENA_QUADS; ++q)
        distance[q] = squaredDistance(contacts, q, eye);
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
