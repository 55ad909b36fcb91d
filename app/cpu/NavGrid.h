#pragma once

#include "support/Vec3.h"

#include <cstdint>
#include <vector>

struct World;

// A node is one cell of one layer of the grid.
using NodeId = int32_t;
constexpr NodeId NO_NODE = -1;

// The arena as a kart can drive it: one-unit cells over two layers, the
// field's level and the lower circuit. Each node sits at the height the
// game's own ground gives there and knows its room to the nearest box or
// pole at that height. A corner ramp's cells belong to whichever layer
// their height puts them in, so the layers join where the game joins them.
struct NavGrid {
    static constexpr float MIN_X = -170, MIN_Z = -35;
    static constexpr int COLUMNS = 341, ROWS = 206, LAYERS = 2;
    static constexpr int NODES = COLUMNS * ROWS * LAYERS;

    // The eight ways out of a cell, in the order the searches take them.
    static constexpr int WAY_DI[8] = {1, -1, 0, 0, 1, 1, -1, -1};
    static constexpr int WAY_DJ[8] = {0, 0, 1, -1, 1, -1, 1, -1};
    static constexpr float WAY_LENGTH[8] = {1,           1,           1,           1,
                                            1.41421356f, 1.41421356f, 1.41421356f, 1.41421356f};

    std::vector<float> height; // NaN: the layer has no ground here
    std::vector<float> room;   // to the nearest obstacle, capped; see NavGrid.cpp
    // Worked out once, as the route searches ask for them most: bit d of a
    // node's ways says a kart can step out the d-th way, bit 8 + d that the
    // step lands on the lower layer; a step costs its length times the mean
    // of the two nodes' crowding.
    std::vector<uint16_t> ways;
    std::vector<float> crowding;

    bool exists(NodeId n) const;
    bool isFree(NodeId n) const;
    float roomAt(NodeId n) const { return room[n]; }
    Vec3 pointOf(NodeId n) const;
    // The free node a kart at p stands on, or the nearest free one within a
    // few cells on its layer; NO_NODE when there is none.
    NodeId nodeAt(Vec3 p) const;
    // The node of cell (x, z) reachable in one step from a node at height y.
    NodeId stepTo(float x, float z, float y) const;
    // A kart can drive straight from a (standing on node fromNode) to b with
    // at least minRoom everywhere along the way.
    bool clearLine(Vec3 a, NodeId fromNode, Vec3 b, float minRoom) const;

    // The node the d-th way out of n leads to, and what the step costs.
    NodeId wayOut(NodeId n, int d) const {
        const NodeId cell = n % (COLUMNS * ROWS);
        return cell + WAY_DJ[d] * COLUMNS + WAY_DI[d] + (ways[n] >> (8 + d) & 1) * COLUMNS * ROWS;
    }
    float stepCost(NodeId n, NodeId m, int d) const {
        return WAY_LENGTH[d] * (crowding[n] + crowding[m]) / 2;
    }
    // Up to eight neighbours a kart can step to from n, with the step costs.
    int neighbours(NodeId n, NodeId* out, float* cost) const;
};

// Reads the arena's boxes and poles and its height function; the World must
// be set up (its palms are placed then).
void buildNavGrid(NavGrid& grid, const World& world);

// The cheapest way from every settled node to a goal: its cost and the next
// node along it.
struct RouteField {
    std::vector<float> cost;
    std::vector<NodeId> next;
    bool reaches(NodeId n) const { return n != NO_NODE && next[n] != NO_NODE; }
};

// The free nodes within radius of p (3-D, from the ground point of each).
std::vector<NodeId> nodesNear(const NavGrid& grid, Vec3 p, float radius);

// Searches outward from the goals. With a start node the search stops once
// it is settled, heading for it first; without, every reachable node is
// settled.
void searchFrom(const NavGrid& grid, const std::vector<NodeId>& goals, RouteField& field,
                NodeId start = NO_NODE);

// The nodes from n toward the field's goal, n first, at most limit of them.
std::vector<NodeId> routeFrom(const RouteField& field, NodeId n, int limit);
