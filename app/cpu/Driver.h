#pragma once

#include "app/Controls.h"
#include "app/cpu/NavGrid.h"

#include "support/Vec3.h"

#include <cstddef>
#include <vector>

struct Kart;

// Where a kart is to go this step.
struct Aim {
    Vec3 point;
    // A ready route to the point, or null to search one from the kart.
    const RouteField* field = nullptr;
    // The route on from the point, to look past it when it is passed through.
    const RouteField* then = nullptr;
    // Speed wanted on reaching the point, and at most on the way (the
    // driver's own top speed caps it too).
    float arriveSpeed = 100;
    float topSpeed = 100;
    // The other kart, to go round or follow; null to drive into it.
    const Kart* other = nullptr;
    // Side by side with the other kart, this one drops back.
    bool yields = false;
    // The point is to be touched, however tight the turn onto it: no floor
    // under the speed the arc allows (a chaser kept at hairpin speed would
    // circle a kart standing beside it).
    bool tight = false;
};

// How a driver takes the road: what sets the levels apart.
struct DrivingStyle {
    float turnRate = 1.2f;     // turning the speeds are planned for, radians a second
    float topSpeed = 23;       // on the straight
    float bendRoom = 8;        // road a bend is taken within
    float downhillSpeed = 20;  // top speed down a ramp
    bool liftsInTurns = false; // coasts through a turn rather than driving on
    bool slides = false;       // slides through long fast bends
    bool boosts = false;       // boosts on long open straights
};

// The stuck rule: no progress for this long backs the kart out, and for
// twice as long respawns it.
constexpr float STUCK_SECONDS = 3;
constexpr float RESPAWN_SECONDS = 6;

// Follows routes for one kart: steers at the farthest point of its route it
// can see, brakes for the bends ahead, and backs out or respawns when stuck.
struct Driver {
    DrivingStyle style;

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
    int backOuts = 0; // times it backed out, in all
    int respawns = 0;
    Vec3 lastSeen{}; // where the kart was last step: a jump is a respawn or a kick-off
    // The route's cost from the kart's node; infinite without a route.
    float routeCost = 0;
    size_t junction = 0; // where the route reaches the aim's point

    PlayerControls drive(const Kart& kart, const NavGrid& grid, const Aim& aim, float dt);
    // A respawn or a new match starts the watch afresh.
    void restart(Vec3 at);

  private:
    std::vector<NodeId> routeFor(const NavGrid& grid, const Aim& aim, NodeId from, float dt);
    float downhillFor(const NavGrid& grid, const std::vector<NodeId>& route) const;
    float speedFor(const Kart& kart, Vec3 steerAt, Vec3 bendAt, const Aim& aim) const;
    void watchStuck(const Kart& kart, const Aim& aim, float wanted, float dt, PlayerControls& c);
    float giveWay(const Kart& kart, const NavGrid& grid, NodeId node, const Aim& aim, Vec3& steerAt,
                  float speed) const;
};

// The speed at which a kart driven off the top of a corner ramp flies past
// its foot still high enough to be on the field's level.
float glideSpeed();

// A kart's turn rate after one step of dt seconds on the ground that started
// at t with the steering direction (-1, 0 or +1) held, by the kart's rules.
float turnRateAfter(float t, int direction, float dt);

// The steering direction (-1, 0 or +1) whose effect on a kart's turn rate
// over a step of dt comes nearest the wanted rate.
int steerToward(float turnRate, float wantedRate, float dt);

// The way a kart is actually going: its heading, turned by a slide that is
// pushing it sideways.
float travelHeading(const Kart& kart);
