#pragma once

#include "sim/Arena.h"
#include "sim/CheckpointList.h"
#include "sim/KartSteering.h"
#include "sim/ParticleSystem.h"
#include "sim/SceneryObject.h"
#include "support/Vec3.h"

#include <cstdint>

constexpr int WHEEL_COUNT = 4;
// Wheels by the sign of their offset: 0 front +x, 1 front -x, 2 rear +x,
// 3 rear -x (local +z is the facing direction).
enum Wheel : int {
    WHEEL_FRONT_RIGHT = 0,
    WHEEL_FRONT_LEFT = 1,
    WHEEL_REAR_RIGHT = 2,
    WHEEL_REAR_LEFT = 3
};

// One player's kart: a point with a speed along its heading, four wheels that
// each follow the arena's height, and a body posed from the wheel heights.
// No GL here: the renderer owns the wheel list and draws from these fields.
// Many rates apply per update, not per second; they are marked so.
struct Kart {
    Vec3 position; // wheel-contact level, horizontal centre
    Vec3 size{1.22f, 1.75f, 1.8f};
    Vec3 halfSize{0.61f, 0.875f, 0.9f};
    float axleOffset = 0.65f; // both axles from the centre, along the length
    Vec3 forward{0, 0, 1};    // turned with the kart; the heading comes from it
    Vec3 travelDir;           // from heading and pitch, every update
    Vec3 sideDir;             // from heading and roll, every update
    Vec3 moveStep;            // this update's forward displacement
    Vec3 slideStep;           // this update's sideways displacement
    float maxSpeed = 24;
    float minSpeed = -8; // fastest reverse
    float maxTurnRate = MAX_TURN_RATE;
    float pitch = 0; // nose up positive
    float roll = 0;  // +x side (wheels 0 and 2) up positive
    float engineForce = 0;
    float mass = 1;
    float speed = 0;        // along travelDir, negative reversing
    float acceleration = 0; // set by the controls
    float wheelDropFactor = 1;
    float fallTime = 0; // seconds the whole kart has been airborne
    float previousX = 0, previousZ = 0;
    Vec3 wheelOffsets[WHEEL_COUNT]; // from position; x and z only
    Vec3 wheelPositions[WHEEL_COUNT];
    float wheelFallTime[WHEEL_COUNT] = {};
    float groundHeight[WHEEL_COUNT] = {};
    bool wheelAirborne[WHEEL_COUNT] = {};
    int braking = 0;
    int slideRate = 0; // -20, 0 or +20 per second
    float slide = 0;   // -5 .. 5
    float bodyPitch = 0;
    float bodyLean = 0; // -0.3 .. 0.3
    bool bumping = false;
    float bumpTime = 0;
    float bumpSpeed = 0;
    bool spinning = false;
    float spinAngle = 0;
    float spinRate = 0.15f; // per update
    float wheelRoll = 0;    // degrees, 0 .. 360
    float turnRate = 0;     // rad/s; positive turns the heading down
    float heading = 0;      // the kart faces (sin heading, 0, cos heading)
    float previousHeading = 0;
    float wheelRadius = 0.2f;
    float wheelWidth = 0.2f;
    float wheelSlices = 9;
    ParticleSystem exhaust;
    int8_t colour[3] = {127, 100, 13};
    int id = 0; // 0 or 1: row in every box's separation table, owner of its coconuts
    SceneryObject collisionBox;
    CheckpointList checkpoints;
    int score = 0;
    float tagClock = 0; // seconds; a tag match sets it
    bool isIt = false;
    int goals = 0;
    float shotCooldown = 0;
    float radius = 0; // broad collision test

    // Members only: the kart the World holds before its first match.
    Kart() = default;
    // A kart as a match starts it: at rest at the origin, facing +z. Its
    // exhaust draws 80 numbers from rand().
    explicit Kart(int kartId);

    void setColour(int8_t red, int8_t green, int8_t blue);
    // Up at (0, 400, 10), upright and at rest, to fall back onto the arena.
    void respawn();
    // The wheels under the kart's position, as turned as the kart is, at its
    // height and knowing the ground under them; nothing else changes.
    void settleWheels();

    // Controls, once per frame in this order; the last that sets the
    // acceleration wins.
    void setThrottle(bool held);
    void boost();
    void setBrake(bool held);
    void reverse();
    void steer(int direction); // -1, 0 or +1, per tick
    // A stick's lean, -1 .. 1 (+1 as direction +1): toward its side while the
    // turn is slower than the lean's share of the fastest, or the other way;
    // a full lean steers as the key does.
    void steerToward(float lean);
    void setSlide(bool first, bool second);
    void bump();
    void startSpin();
    bool canFire() const { return shotCooldown <= 0; }

    // One physics step of dt seconds.
    void update(float dt);
    // The arena's height under a point. Also colours the exhaust from what
    // is there: red dust on the field's pads at speed, grey off them.
    float groundHeightAt(float x, float y, float z);

    // Collision against upright boxes.
    bool isNear(const SceneryObject& box) const;
    // The box face crossed since this kart's last test of it (axis 0 .. 5),
    // or -1 when there is nothing to respond to.
    int testBox(SceneryObject& box) const;
    void resolveContact(int axis, const SceneryObject& box);

  private:
    // The steps of update, in their order.
    void pullOnSlopes(float dt);
    void limitSpeed(float dt);
    void dipBody(float dt);
    void bounceBack(float dt);
    void spinOut(float dt);
    void move(float dt);
    void slideAndSmoke(float dt);
    void leanIntoTurns();
    void dropWheels(float dt);
    void settleChassis(bool landed);

    bool allWheelsAirborne() const;
    // The wheels' places as the kart faces +z.
    void unturnWheels();
    void placeWheels();
    void measureGround();
    bool fall(float dt);
    void turn(float dt);
    void poseCollisionBox();
};
