#pragma once

#include "render/ArenaSurfaces.h"
#include "support/Vec3.h"

// The order one view draws the arena's opaque quads in. Nearest first, so
// that the faces behind fail the depth test before they are textured: the
// brick walls hide one another along the lower circuit, and a textured
// fragment costs a software renderer several times an untextured one.
//
// Quads that touch keep the order they are listed in. Where two of them meet
// at one depth the first drawn shows, so the seams look as they always have.
struct ArenaOrder {
    int quads[OPAQUE_ARENA_QUADS];
};

// Each quad's box and whether two boxes lie within a margin of each other.
// Worked out once.
struct ArenaContacts {
    float low[OPAQUE_ARENA_QUADS][3], high[OPAQUE_ARENA_QUADS][3];
    bool touching[OPAQUE_ARENA_QUADS][OPAQUE_ARENA_QUADS];
};

ArenaContacts findArenaContacts();
ArenaOrder orderArenaNearestFirst(const ArenaContacts& contacts, Vec3 eye);
