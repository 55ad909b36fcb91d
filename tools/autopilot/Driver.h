#pragma once

#include "NavGrid.h"

#include "support/Vec3.h"

#include <cstddef>

struct Kart;

// One frame's controls for one kart, as its player's keys would give them.
struct Controls {
    int steer = 0; // +1 raises the heading, -1 lowers it
    bool throttle = false;
    bool brake = false;
    bool reverse = false;
    bool respawn = false;
};

// Where a kart is to go this frame.
struct Aim {
    Vec3 point;
    // A ready route to the point, or null to search one from the kart.
    const RouteField* field = nullptr;
    // The route on from the point, to look past it when it is passed through.
    const RouteField* then = nullptr;
    // Speed wanted on reaching the point, and at most on the way.
    float arriveSpeed = 100;
    float topSpeed = 23;
    // The other kart, to go round or follow; null to drive into it.
    const Kart* other = nullptr;
    // Side by side with the other kart, this one drops back.
    bool yields = false;
};

// Follows routes for one kart: steers at the farthest point of its route it
// can see, brakes for the bends ahead, and backs off or respawns when stuck.
struct Driver {
    // Turning ability the speeds are chosen for, radians a second; lower
    // when long frames leave the steering weak (steadyTurnRate).
    float turnRate = 1.2f;
    // Top speed down a ramp: faster, a kart flies off its top (glideSpeed).
    float downhillSpeed = 20;

    RouteField own; // searched here when the aim brings no route
    Vec3 ownGoal{};
    float ownAge = 0;
    bool ownValid = false;

    // Stuck watch: progress is a new low of the route's cost, or, toward a
    // moving goal, ground covered.
    const RouteField* watched = nullptr;
    float bestCost = 0;
    float sinceProgress = 0;
    Vec3 trail[6] = {}; // positions every TRAIL_STEP seconds, newest first
    float trailClock = 0;
    float reverseFor = 0;
    int tries = 0; // times it backed off without getting on
    int respawns = 0;
    // The route's cost from the kart's node; infinite without a route.
    float routeCost = 0;
    size_t junction = 0; // where the route reaches the aim's point

    Controls drive(const Kart& kart, const NavGrid& grid, const Aim& aim, float dt);
    // A respawn starts the watch afresh.
    void restart(Vec3 at);

  private:
    std::vector<NodeId> routeFor(const NavGrid& grid, const Aim& aim, NodeId from, float dt);
    float downhillFor(const NavGrid& grid, const std::vector<NodeId>& route) const;
    float speedFor(const Kart& kart, Vec3 steerAt, Vec3 bendAt, const Aim& aim) const;
    void watchStuck(const Kart& kart, const Aim& aim, float wanted, float dt, Controls& c);
    float giveWay(const Kart& kart, const NavGrid& grid, NodeId node, const Aim& aim, Vec3& steerAt,
                  float speed) const;
};

// The speed at which a kart driven off the top of a corner ramp flies past
// its foot still high enough to be on the field's level.
float glideSpeed();

// The steady turn rate hard steering keeps up with frames from shortest
// to longest seconds, each frame's keys held through the ticks it gives.
float steadyTurnRate(float shortestFrame, float longestFrame);

// A kart's turn rate after `ticks` ticks on the ground that started at t
// with the steering key direction (-1, 0 or +1) held, by the kart's rules.
float turnRateAfter(float t, int direction, int ticks);

// The ticks a frame of dt seconds gives, about, and at least one.
int ticksIn(float dt);

// The steering key (-1, 0 or +1) whose effect on a kart's turn rate over a
// frame of dt comes nearest the wanted rate, as the kart's own rules give it.
int steerToward(float turnRate, float wantedRate, float dt);
