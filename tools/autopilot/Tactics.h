#pragma once

#include "Driver.h"
#include "NavGrid.h"

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

// What each kart goes for, match by match: the next checkpoint in a race;
// in tag the kart that is it chases the other and the other makes for the
// place it can reach longest before its chaser can; in the ball game a spot
// behind the ball, then through it toward its goal.
struct Tactics {
    NavGrid grid;
    RouteCache routes;
    Driver drivers[2];
    float turnRate = 1.2f;    // the drivers' turning ability, radians a second
    float downhillSpeed = 20; // and their top speed down a ramp
    // Tag: the refuge each kart is making for, and for how long.
    int refuge[2] = {-1, -1};
    float refugeAge[2] = {0, 0};
    // Race: points of the circuit each kart has driven past its finish.
    int victoryLap[2] = {0, 0};
    // Ball game: what each kart is doing about the ball, and the heading it
    // pushes it along.
    enum class BallPlay { MAKE_FOR, LINE_UP, CHARGE };
    BallPlay play[2] = {BallPlay::MAKE_FOR, BallPlay::MAKE_FOR};
    float push[2] = {0, 0};

    // Once, after the World is set up.
    void prepare(const World& world);
    // At every match start.
    void startMatch(const World& world);
    // This frame's controls for kart k.
    Controls controlsFor(const World& world, int k, float dt);

  private:
    Aim raceAim(const World& world, int k);
    Aim tagAim(const World& world, int k, float dt);
    Aim ballAim(const World& world, int k);
    // The heading kart k pushes the ball along, from a run-up on the field
    // that nothing stands in.
    float pushAngle(Vec3 ball, int k) const;
};
