#pragma once

#include "app/Controls.h"
#include "app/cpu/CpuLevel.h"
#include "app/cpu/Driver.h"
#include "app/cpu/NavGrid.h"

#include <memory>
#include <vector>

struct World;

// Routes to fixed points, searched once each and shared: a point asked for
// again, or one within SHARE of it, gets the same route.
struct RouteCache {
    struct Entry {
        Vec3 point;
        RouteField field;
    };
    std::vector<std::unique_ptr<Entry>> entries;

    // The route into the sphere of the given radius round p (null when no
    // free ground lies in it).
    const RouteField* to(const NavGrid& grid, Vec3 p, float radius);
};

// One CPU kart's plans that outlast a step.
struct KartPlan {
    Driver driver;
    // Tag: the refuge it is making for, and for how long.
    int refuge = -1;
    float refugeAge = 0;
    // Race: points of the circuit driven past its finish, and seconds until
    // it throws again.
    int victoryLap = 0;
    float throwWait = 0;
    // Ball game: what it is doing about the ball, and the heading it pushes
    // the ball along.
    enum class BallPlay { MAKE_FOR, LINE_UP, CHARGE };
    BallPlay play = BallPlay::MAKE_FOR;
    float push = 0;
    // Where the ball last moved to, and how long it has lain there since.
    Vec3 ballSeen{};
    float ballStill = 0;
};

// What each CPU kart goes for, match by match: the next checkpoint in a
// race, throwing at the other kart when it is in the line of fire; in tag
// the kart that is it chases the other with a lead on its motion, and the
// other makes for the place it can reach longest before its chaser can; in
// the ball game a spot behind the ball, then through it toward its goal.
struct Tactics {
    NavGrid grid;
    RouteCache routes;
    KartPlan plans[2];

    // Once, after the World is set up: the grid of its arena.
    explicit Tactics(const World& world);
    // A kart's plans from scratch: at a match start, or when the CPU takes
    // the seat.
    void restart(const World& world, int k);
    // This step's controls for kart k, driven at the given level.
    PlayerControls controlsFor(const World& world, int k, CpuLevel level, float dt);

  private:
    Aim raceAim(const World& world, int k);
    Aim tagAim(const World& world, int k, float dt);
    Aim ballAim(const World& world, int k, float dt);
    // The heading kart k pushes the ball along, from a run-up on the field
    // that nothing stands in.
    float pushAngle(Vec3 ball, int k) const;
};

// How each level drives.
DrivingStyle drivingStyle(CpuLevel level);

// A coconut thrown now from `thrower` would hit `target` if it kept its
// speed and heading: the target passes within reach of the coconut's path.
// With lead false, only where the target is now counts.
bool inLineOfFire(const Kart& thrower, const Kart& target, bool lead);
