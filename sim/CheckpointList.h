#pragma once

// One target of a course: a sphere to drive into.
struct Checkpoint {
    float x = 0, y = 0, z = 0;
    float radius = 0;

    // Strictly inside: a point exactly radius away has not arrived.
    bool reached(float px, float py, float pz) const;
};

constexpr int CHECKPOINT_STORAGE = 64;
// The last storage slot is a spare that extra points overwrite.
constexpr int CHECKPOINT_LIMIT = CHECKPOINT_STORAGE - 1;

// An ordered course with a cursor on the point to reach next.
struct CheckpointList {
    Checkpoint points[CHECKPOINT_STORAGE];
    int count = 0;
    int index = 0;
    bool finished = false;

    // Past the 63rd point, writes the spare slot, which never joins the
    // course, and returns false for the owner to warn.
    bool add(float x, float y, float z, float radius);
    // On an empty list, the spare slot 0: a point that nothing can reach.
    const Checkpoint& current() const { return points[index]; }
    bool isFinished() const { return finished; }
    // Past the last point the cursor stays on it and the list is finished.
    void advance();
    // count random swaps, drawing two rand() numbers each.
    void shuffle();
};
