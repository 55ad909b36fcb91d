#include "app/cpu/NavGrid.h"

#include "app/World.h"
#include "assets/TextureSlots.h"
#include "sim/Arena.h"
#include "sim/Kart.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <queue>
#include <utility>

namespace {

constexpr int CELLS = NavGrid::COLUMNS * NavGrid::ROWS;
constexpr float LAYER_PROBE_Y[NavGrid::LAYERS] = {0, -10}; // the field's level, the lower circuit

// Room is only worth knowing this far out.
constexpr float ROOM_CAP = 4;
// A kart's box reaches about this far from its centre when it turns, so a
// node with less room is not driven on.
constexpr float FREE_ROOM = 1.0f;
// The test box of a kart stands centred on its position.
constexpr float KART_HALF_HEIGHT = 0.875f;
// A pole bumps a kart whose centre comes within 0.9 of it; counted as a
// post of this radius, a node with FREE_ROOM stays 1.8 away.
constexpr float POLE_RADIUS = 0.8f;
// Routes keep off the walls where they can: a step into a node with less
// room than this costs up to CROWD_WEIGHT times more.
constexpr float CROWD_ROOM = 3;
constexpr float CROWD_WEIGHT = 2;
// The steepest step between neighbouring cells (ramps rise 0.5 a unit).
constexpr float MAX_RISE = 0.75f;
// Samples of a straight line; layers never lie closer than this.
constexpr float LINE_STEP = 0.5f;
constexpr float SAME_GROUND = 1.0f;
// A kart scraping a wall can still set off along it.
constexpr float START_SLACK = 1.5f;
constexpr int NEAREST_FREE_REACH = 3;

constexpr float INF = std::numeric_limits<float>::infinity();

int columnOf(float x) {
    return static_cast<int>(std::lround(x - NavGrid::MIN_X));
}
int rowOf(float z) {
    return static_cast<int>(std::lround(z - NavGrid::MIN_Z));
}
bool inGrid(int i, int j) {
    return i >= 0 && i < NavGrid::COLUMNS && j >= 0 && j < NavGrid::ROWS;
}
NodeId nodeOf(int layer, int i, int j) {
    return (layer * NavGrid::ROWS + j) * NavGrid::COLUMNS + i;
}

float crowding(float room) {
    return 1 + CROWD_WEIGHT * std::max(0.0f, (CROWD_ROOM - room) / CROWD_ROOM);
}

// An obstacle's footprint and height span.
struct Footprint {
    float minX, maxX, minZ, maxZ, minY, maxY;
    bool round; // a pole: distance from its centre less its radius
};

// Lowers the room of every node within ROOM_CAP of the footprint whose kart
// box would meet it in height.
void markObstacle(NavGrid& grid, const Footprint& f) {
    const int i0 = std::max(0, columnOf(f.minX - ROOM_CAP));
    const int i1 = std::min(NavGrid::COLUMNS - 1, columnOf(f.maxX + ROOM_CAP));
    const int j0 = std::max(0, rowOf(f.minZ - ROOM_CAP));
    const int j1 = std::min(NavGrid::ROWS - 1, rowOf(f.maxZ + ROOM_CAP));
    for (int layer = 0; layer < NavGrid::LAYERS; ++layer)
        for (int j = j0; j <= j1; ++j)
            for (int i = i0; i <= i1; ++i) {
                const NodeId n = nodeOf(layer, i, j);
                const float h = grid.height[n];
                if (std::isnan(h) || h + KART_HALF_HEIGHT < f.minY || h - KART_HALF_HEIGHT > f.maxY)
                    continue;
                const float x = NavGrid::MIN_X + i, z = NavGrid::MIN_Z + j;
                float d;
                if (f.round) {
                    const float cx = (f.minX + f.maxX) / 2, cz = (f.minZ + f.maxZ) / 2;
                    d = std::hypot(x - cx, z - cz) - POLE_RADIUS;
                } else {
                    const float dx = std::max({f.minX - x, 0.0f, x - f.maxX});
                    const float dz = std::max({f.minZ - z, 0.0f, z - f.maxZ});
                    d = std::hypot(dx, dz);
                }
                grid.room[n] = std::min(grid.room[n], std::max(d, 0.0f));
            }
}

Footprint boxFootprint(const SceneryObject& box) {
    // Upright boxes turned about y: the world-axis bounds of their corners.
    const float* o = box.orientation;
    const float halfX = std::fabs(o[0]) * box.width / 2 + std::fabs(o[6]) * box.length / 2;
    const float halfZ = std::fabs(o[2]) * box.width / 2 + std::fabs(o[8]) * box.length / 2;
    const Vec3 c = box.position;
    return {c.x - halfX,          c.x + halfX,          c.z - halfZ, c.z + halfZ,
            c.y - box.height / 2, c.y + box.height / 2, false};
}

} // namespace

bool NavGrid::exists(NodeId n) const {
    return n != NO_NODE && !std::isnan(height[n]);
}

bool NavGrid::isFree(NodeId n) const {
    return exists(n) && room[n] >= FREE_ROOM;
}

Vec3 NavGrid::pointOf(NodeId n) const {
    const int cell = n % CELLS;
    return {MIN_X + cell % COLUMNS, height[n], MIN_Z + cell / COLUMNS};
}

NodeId NavGrid::stepTo(float x, float z, float y) const {
    const int i = columnOf(x), j = rowOf(z);
    if (!inGrid(i, j))
        return NO_NODE;
    NodeId best = NO_NODE;
    for (int layer = 0; layer < LAYERS; ++layer) {
        const NodeId n = nodeOf(layer, i, j);
        if (isFree(n) && std::fabs(height[n] - y) <= SAME_GROUND &&
            (best == NO_NODE || std::fabs(height[n] - y) < std::fabs(height[best] - y)))
            best = n;
    }
    return best;
}

NodeId NavGrid::nodeAt(Vec3 p) const {
    const int i = columnOf(p.x), j = rowOf(p.z);
    if (!inGrid(i, j))
        return NO_NODE;
    // The layer whose ground is nearest the kart; high in the air, the top one.
    int layer = -1;
    for (int l = 0; l < LAYERS; ++l) {
        const NodeId n = nodeOf(l, i, j);
        if (exists(n) && (layer < 0 || std::fabs(height[n] - p.y) <
                                           std::fabs(height[nodeOf(layer, i, j)] - p.y)))
            layer = l;
    }
    if (layer < 0)
        return NO_NODE;
    const NodeId here = nodeOf(layer, i, j);
    if (isFree(here))
        return here;
    NodeId best = NO_NODE;
    float bestDistance = INF;
    for (int dj = -NEAREST_FREE_REACH; dj <= NEAREST_FREE_REACH; ++dj)
        for (int di = -NEAREST_FREE_REACH; di <= NEAREST_FREE_REACH; ++di) {
            if (!inGrid(i + di, j + dj))
                continue;
            const NodeId n = nodeOf(layer, i + di, j + dj);
            const float d = std::hypot(static_cast<float>(di), static_cast<float>(dj));
            if (isFree(n) && std::fabs(height[n] - height[here]) <= SAME_GROUND &&
                d < bestDistance) {
                best = n;
                bestDistance = d;
            }
        }
    return best;
}

bool NavGrid::clearLine(Vec3 a, NodeId fromNode, Vec3 b, float minRoom) const {
    const float length = std::hypot(b.x - a.x, b.z - a.z);
    const int samples = static_cast<int>(std::ceil(length / LINE_STEP));
    float y = height[fromNode];
    for (int k = 1; k <= samples; ++k) {
        const float t = static_cast<float>(k) / static_cast<float>(samples);
        const NodeId n = stepTo(a.x + (b.x - a.x) * t, a.z + (b.z - a.z) * t, y);
        if (n == NO_NODE)
            return false;
        if (room[n] < minRoom && length * t > START_SLACK)
            return false;
        y = height[n];
    }
    return true;
}

// The ways out of n a kart can take: a step up or down no steeper than a
// ramp, never cutting a corner past a blocked cell; where both layers would
// do, the lower one.
static uint16_t waysOutOf(const NavGrid& grid, NodeId n) {
    using NG = NavGrid;
    const int cell = n % CELLS;
    const int i = cell % NG::COLUMNS, j = cell / NG::COLUMNS;
    const float h = grid.height[n];
    bool straight[4] = {};
    uint16_t ways = 0;
    for (int d = 0; d < 8; ++d) {
        const int ni = i + NG::WAY_DI[d], nj = j + NG::WAY_DJ[d];
        if (!inGrid(ni, nj))
            continue;
        const bool diagonal = d >= 4;
        if (diagonal &&
            (!straight[NG::WAY_DI[d] > 0 ? 0 : 1] || !straight[NG::WAY_DJ[d] > 0 ? 2 : 3]))
            continue;
        int found = -1;
        for (int layer = 0; layer < NG::LAYERS; ++layer) {
            const NodeId m = nodeOf(layer, ni, nj);
            if (grid.isFree(m) && std::fabs(grid.height[m] - h) <= MAX_RISE * NG::WAY_LENGTH[d])
                found = layer;
        }
        if (!diagonal)
            straight[d] = found >= 0;
        if (found >= 0)
            ways |= static_cast<uint16_t>(1 << d | found << (8 + d));
    }
    return ways;
}

int NavGrid::neighbours(NodeId n, NodeId* out, float* cost) const {
    int count = 0;
    for (int d = 0; d < 8; ++d)
        if (ways[n] >> d & 1) {
            out[count] = wayOut(n, d);
            cost[count] = stepCost(n, out[count], d);
            ++count;
        }
    return count;
}

void buildNavGrid(NavGrid& grid, const World& world) {
    grid.height.assign(NavGrid::NODES, std::numeric_limits<float>::quiet_NaN());
    grid.room.assign(NavGrid::NODES, ROOM_CAP);
    Kart probe; // at rest, so asking it for the ground paints no dust
    for (int layer = 0; layer < NavGrid::LAYERS; ++layer)
        for (int j = 0; j < NavGrid::ROWS; ++j)
            for (int i = 0; i < NavGrid::COLUMNS; ++i) {
                const float x = NavGrid::MIN_X + i, z = NavGrid::MIN_Z + j;
                const float h = probe.groundHeightAt(x, LAYER_PROBE_Y[layer], z);
                // A height belongs to the layer the game would read it on.
                if ((h > LOWER_LEVEL_TOP) == (layer == 0))
                    grid.height[nodeOf(layer, i, j)] = h;
            }
    for (const SceneryObject& box : world.scenery)
        if (box.active)
            markObstacle(grid, boxFootprint(box));
    for (const Placement& p : world.placements)
        if (p.look == LOOK_PALM || p.look == LOOK_LAMP)
            markObstacle(grid, {p.x, p.x, p.z, p.z, LOWER_LEVEL_TOP, INF, true});
    grid.ways.assign(NavGrid::NODES, 0);
    grid.crowding.assign(NavGrid::NODES, 0);
    for (NodeId n = 0; n < NavGrid::NODES; ++n)
        if (grid.exists(n)) {
            grid.ways[n] = waysOutOf(grid, n);
            grid.crowding[n] = crowding(grid.room[n]);
        }
}

std::vector<NodeId> nodesNear(const NavGrid& grid, Vec3 p, float radius) {
    std::vector<NodeId> found;
    const int reach = static_cast<int>(std::ceil(radius));
    const int i = columnOf(p.x), j = rowOf(p.z);
    for (int layer = 0; layer < NavGrid::LAYERS; ++layer)
        for (int dj = -reach; dj <= reach; ++dj)
            for (int di = -reach; di <= reach; ++di) {
                if (!inGrid(i + di, j + dj))
                    continue;
                const NodeId n = nodeOf(layer, i + di, j + dj);
                if (!grid.isFree(n))
                    continue;
                const Vec3 q = grid.pointOf(n);
                if (length3(subtract(q, p)) < radius)
                    found.push_back(n);
            }
    return found;
}

void searchFrom(const NavGrid& grid, const std::vector<NodeId>& goals, RouteField& field,
                NodeId start) {
    field.cost.assign(NavGrid::NODES, INF);
    field.next.assign(NavGrid::NODES, NO_NODE);
    std::vector<uint8_t> settled(NavGrid::NODES, 0);
    const Vec3 target = start == NO_NODE ? Vec3{} : grid.pointOf(start);
    auto guess = [&](NodeId n) {
        if (start == NO_NODE)
            return 0.0f;
        const Vec3 p = grid.pointOf(n);
        return std::hypot(p.x - target.x, p.z - target.z);
    };
    // Ties break on the node number, so the order never depends on the
    // library's heap.
    using Entry = std::pair<float, NodeId>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> open;
    for (NodeId g : goals) {
        field.cost[g] = 0;
        field.next[g] = g;
        open.push({guess(g), g});
    }
    NodeId around[8];
    float stepCost[8];
    while (!open.empty()) {
        const NodeId n = open.top().second;
        open.pop();
        if (settled[n])
            continue;
        settled[n] = 1;
        if (n == start)
            return;
        const int count = grid.neighbours(n, around, stepCost);
        for (int k = 0; k < count; ++k) {
            const NodeId m = around[k];
            const float c = field.cost[n] + stepCost[k];
            if (settled[m] || c >= field.cost[m])
                continue;
            field.cost[m] = c;
            field.next[m] = n;
            open.push({c + guess(m), m});
        }
    }
}

std::vector<NodeId> routeFrom(const RouteField& field, NodeId n, int limit) {
    std::vector<NodeId> route;
    if (!field.reaches(n))
        return route;
    while (static_cast<int>(route.size()) < limit) {
        route.push_back(n);
        if (field.next[n] == n)
            break;
        n = field.next[n];
    }
    return route;
}
