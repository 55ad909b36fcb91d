#include "sim/CheckpointList.h"

#include <cmath>
#include <cstdlib>
#include <utility>

bool Checkpoint::reached(float px, float py, float pz) const {
    const float dx = x - px, dy = y - py, dz = z - pz;
    return std::sqrt(dx * dx + dy * dy + dz * dz) < radius;
}

bool CheckpointList::add(float x, float y, float z, float radius) {
    points[count] = {x, y, z, radius};
    if (count == CHECKPOINT_LIMIT)
        return false;
    ++count;
    return true;
}

void CheckpointList::advance() {
    ++index;
    if (index >= count) {
        index = count > 0 ? count - 1 : 0;
        finished = true;
    }
}

void CheckpointList::shuffle() {
    for (int round = 0; round < count; ++round) {
        const int a = std::rand() % count;
        const int b = std::rand() % count;
        std::swap(points[a], points[b]);
    }
}
