#include "sim/Kart.h"

#include "sim/KartSteering.h"

#include <cmath>

namespace {

// Controls.
constexpr float ENGINE_FORCE = 15;
constexpr float ENGINE_FORCE_FAST = 5; // from FAST_SPEED up
constexpr float FAST_SPEED = 20;
constexpr float ROLLING_RESISTANCE = 4;
constexpr float ROLLING_REST = 0.02f; // below this either way, no resistance
constexpr float BOOST = 50;
constexpr float BRAKE = -20;
constexpr float REVERSE = -15;
constexpr int SLIDE_RATE = 20;
constexpr float SLIDE_CENTRE = 0.2f;

// The physics step.
constexpr float SLOPE_PULL = 15;
constexpr float FLAT = 0.2f;     // pitch within this is level ground
constexpr float SPEED_CAP = 50;  // never reached: a kart at it drops to 49
constexpr float SOFT_LIMIT = 10; // per second² above maxSpeed
constexpr float SNAP_RATE = 10;  // speeds within SNAP_RATE * dt of 0 stop on the flat
constexpr float DIP_RATE = 0.2f; // nose dip per second while braking or boosting
constexpr float DIP_LIMIT = 0.2f;
constexpr float DIP_RETURN = 2;     // per second back to level
constexpr float BUMP_DECAY = 0.95f; // per update
constexpr float BUMP_SECONDS = 1;
constexpr float SPIN_SLOWING = 0.15f; // spin rate lost per second
constexpr float SPIN_FLOOR = 0.003f;
constexpr float SPIN_DRAG = 0.92f; // per update
constexpr float SLIDE_LIMIT = 5;
constexpr float SLIDE_TURN = 0.5f; // turn rate a slide needs to push sideways
constexpr float BOOSTING = 25;     // acceleration above this shows exhaust
constexpr float BOOST_SMOKE_LIMIT = 47;
constexpr float EXHAUST_DROP = 0.75f;
constexpr float LEAN_TURN = 0.5f;
constexpr float LEAN_SPEED = 15;
constexpr float LEAN_LIMIT = 0.3f;
constexpr float NOSE_DROP = 0.01f; // per update in flight
constexpr float NOSE_DROP_LIMIT = -1;
constexpr float BODY_CLEARANCE = 0.1f;
constexpr float BODY_SNAP = 0.05f;

constexpr float DUST_SPEED = 10; // red dust flies from a pad above this speed
constexpr float DUST[3] = {0.6f, 0.2f, 0.2f};
constexpr float SMOKE[3] = {0.5f, 0.5f, 0.5f};

void paintExhaust(float* colour, const float* value) {
    for (int i = 0; i < 3; ++i)
        colour[i] = value[i];
}

float clamp(float v, float low, float high) {
    return v < low ? low : v > high ? high : v;
}

} // namespace

Kart::Kart(int kartId) : id(kartId) {
    size = {1.22f, 1.75f, 1.8f};
    halfSize = divide(size, 2);
    radius = length3(divide(halfSize, 2));
    axleOffset = 0.65f;
    position = {0, 0, 0};
    forward = {0, 0, 1};
    moveStep = {0, 0, 0};
    unturnWheels();
    exhaust = ParticleSystem::exhaust();
    collisionBox.place(position.x, position.y + halfSize.y, position.z, radToDeg(heading), size.x,
                       size.y, size.z);
}

float Kart::groundHeightAt(float x, float y, float z) {
    const ArenaGround ground = arenaGround(x, y, z);
    if (!ground.onPad) {
        paintExhaust(exhaust.colour, SMOKE);
    } else if (speed > DUST_SPEED && ground.dusty) {
        paintExhaust(exhaust.colour, DUST);
        exhaust.setEmitting(true);
    }
    return ground.height;
}

void Kart::setColour(int8_t red, int8_t green, int8_t blue) {
    colour[0] = red;
    colour[1] = green;
    colour[2] = blue;
}

void Kart::settleWheels() {
    for (int w = 0; w < WHEEL_COUNT; ++w)
        wheelPositions[w].y = position.y;
    placeWheels();
    measureGround();
}

void Kart::respawn() {
    position = RESPAWN_POINT;
    forward = {0, 0, 1};
    moveStep = {0, 0, 0};
    // Facing +z again, so the wheels go back to their unturned places.
    unturnWheels();
    settleWheels();
    turnRate = acceleration = speed = fallTime = pitch = roll = 0;
}

void Kart::setThrottle(bool held) {
    if (held) {
        engineForce = speed < FAST_SPEED ? ENGINE_FORCE : ENGINE_FORCE_FAST;
        acceleration = engineForce / mass;
        return;
    }
    engineForce = 0;
    if (speed > ROLLING_REST)
        acceleration = -ROLLING_RESISTANCE;
    else if (speed < -ROLLING_REST)
        acceleration = ROLLING_RESISTANCE;
    else
        acceleration = 0;
}

void Kart::boost() {
    acceleration = BOOST;
}

void Kart::setBrake(bool held) {
    braking = held ? 1 : 0;
    if (held && speed > 0)
        acceleration = BRAKE;
}

void Kart::reverse() {
    acceleration = REVERSE;
}

void Kart::steer(int direction) {
    turnRate = steeredTurnRate(turnRate, direction);
}

void Kart::steerToward(float lean) {
    if (lean == 0)
        return;
    const int direction = lean > 0 ? 1 : -1;
    const float share = lean > 0 ? lean : -lean;
    // A positive direction lowers the turn rate.
    const bool otherWay = direction > 0 ? turnRate > 0 : turnRate < 0;
    const float turn = turnRate < 0 ? -turnRate : turnRate;
    if (share >= 1 || otherWay || turn < share * maxTurnRate)
        steer(direction);
}

void Kart::setSlide(bool first, bool second) {
    if (first)
        slideRate = SLIDE_RATE;
    else if (second)
        slideRate = -SLIDE_RATE;
    else if (slide > SLIDE_CENTRE)
        slideRate = -SLIDE_RATE;
    else if (slide < -SLIDE_CENTRE)
        slideRate = SLIDE_RATE;
    else
        slideRate = 0;
}

void Kart::bump() {
    if (!bumping) {
        bumping = true;
        bumpSpeed = -speed;
    }
}

void Kart::startSpin() {
    if (!spinning)
        spinning = true;
}

bool Kart::allWheelsAirborne() const {
    return wheelAirborne[0] && wheelAirborne[1] && wheelAirborne[2] && wheelAirborne[3];
}

void Kart::unturnWheels() {
    wheelOffsets[WHEEL_FRONT_RIGHT] = {halfSize.x, position.y, axleOffset};
    wheelOffsets[WHEEL_FRONT_LEFT] = {-halfSize.x, position.y, axleOffset};
    wheelOffsets[WHEEL_REAR_RIGHT] = {halfSize.x, position.y, -axleOffset};
    wheelOffsets[WHEEL_REAR_LEFT] = {-halfSize.x, position.y, -axleOffset};
}

// Wheel 0 first, wheel 3 last: the last call decides the exhaust's colour.
void Kart::measureGround() {
    for (int w = 0; w < WHEEL_COUNT; ++w) {
        const Vec3& p = wheelPositions[w];
        groundHeight[w] = groundHeightAt(p.x, p.y, p.z);
    }
}

void Kart::placeWheels() {
    for (int w = 0; w < WHEEL_COUNT; ++w) {
        wheelPositions[w].x = position.x + wheelOffsets[w].x;
        wheelPositions[w].z = position.z + wheelOffsets[w].z;
    }
}

// The whole kart in the air: it drops, its nose sinks and it cannot steer.
// True when it is still flying at the end.
bool Kart::fall(float dt) {
    fallTime += dt;
    if (pitch > NOSE_DROP_LIMIT)
        pitch -= NOSE_DROP;
    position.y -= fallTime * fallTime / 2;
    placeWheels();
    measureGround();
    for (int w = 0; w < WHEEL_COUNT; ++w)
        wheelPositions[w].y = position.y;
    const float a = std::sin(roll) * halfSize.x;
    const float b = std::sin(pitch) * axleOffset;
    wheelPositions[0].y += a + b;
    wheelPositions[1].y += b - a;
    wheelPositions[2].y -= b - a;
    wheelPositions[3].y -= a + b;
    const float below = groundHeightAt(position.x, position.y, position.z);
    if (below > position.y)
        position.y = below;
    for (int w = 0; w < WHEEL_COUNT; ++w) {
        if (wheelPositions[w].y > groundHeight[w]) {
            wheelAirborne[w] = true;
        } else {
            wheelPositions[w].y = groundHeight[w];
            wheelAirborne[w] = false;
        }
    }
    turnRate = clampedTurnRate(turnRate, maxTurnRate);
    return allWheelsAirborne();
}

// Yaw about the inner rear wheel; mirrored when reversing.
void Kart::turn(float dt) {
    wheelPositions[3].x = position.x + wheelOffsets[3].x;
    wheelPositions[3].z = position.z + wheelOffsets[3].z;
    wheelPositions[2].x = position.x + wheelOffsets[2].x;
    wheelPositions[2].z = position.z + wheelOffsets[2].z;
    if (speed == 0)
        return;
    float a = dt * turnRate;
    if (speed < 0)
        a = -a;
    const float c = std::cos(a), s = std::sin(a);
    auto rotate = [c, s](Vec3& v) {
        const float x = v.x, z = v.z;
        v.x = x * c - z * s;
        v.z = z * c + x * s;
    };
    rotate(forward);
    for (Vec3& offset : wheelOffsets)
        rotate(offset);
    if (a > 0) {
        position.x = wheelPositions[3].x + wheelOffsets[0].x;
        position.z = wheelPositions[3].z + wheelOffsets[0].z;
    } else if (a < 0) {
        position.x = wheelPositions[2].x + wheelOffsets[1].x;
        position.z = wheelPositions[2].z + wheelOffsets[1].z;
    }
}

void Kart::poseCollisionBox() {
    collisionBox.position = {position.x, position.y + halfSize.y, position.z};
    collisionBox.yaw = radToDeg(heading);
    yawMatrix(collisionBox.yaw, collisionBox.orientation);
    collisionBox.width = size.x;
    collisionBox.height = size.y;
    collisionBox.length = size.z;
}

// One physics step, in the order the rules apply.
void Kart::update(float dt) {
    previousHeading = heading;
    previousX = position.x;
    previousZ = position.z;
    if (shotCooldown > 0)
        shotCooldown -= dt;

    pullOnSlopes(dt);
    limitSpeed(dt);
    dipBody(dt);
    bounceBack(dt);
    spinOut(dt);
    move(dt);
    slideAndSmoke(dt);
    leanIntoTurns();

    bool landed = false;
    if (allWheelsAirborne()) {
        if (fall(dt))
            return; // no steering, no heading, no box pose while flying
        landed = true;
    }
    turnRate = easedTurnRate(turnRate, maxTurnRate, dt);
    turn(dt);
    placeWheels();
    dropWheels(dt);
    settleChassis(landed);
    poseCollisionBox();
}

// A climb pulls back unless the brake holds the kart; a descent always pulls.
void Kart::pullOnSlopes(float dt) {
    float pull = 0;
    if ((braking == 0 && pitch > FLAT) || pitch < -FLAT)
        pull = SLOPE_PULL * std::sin(-pitch);
    speed += (pull + acceleration) * dt;
}

void Kart::limitSpeed(float dt) {
    if (speed >= SPEED_CAP)
        speed = SPEED_CAP - 1;
    else if (speed > maxSpeed)
        speed -= SOFT_LIMIT * dt; // boost can push past the limit
    else if (-SNAP_RATE * dt < speed && speed < SNAP_RATE * dt && -FLAT < pitch && pitch < FLAT)
        speed = 0;
    else if (speed < minSpeed)
        speed = minSpeed;
}

// The nose lifts under hard reversing, dips under boost, and levels out.
void Kart::dipBody(float dt) {
    if (acceleration <= REVERSE && bodyPitch < DIP_LIMIT && speed > 10)
        bodyPitch += DIP_RATE * dt;
    else if (acceleration >= BOOST && bodyPitch > -DIP_LIMIT && speed < 35)
        bodyPitch -= DIP_RATE * dt;
    else if (bodyPitch > dt)
        bodyPitch -= DIP_RETURN * dt;
    else if (bodyPitch < -dt)
        bodyPitch += DIP_RETURN * dt;
    else
        bodyPitch = 0;
}

// After a bump the kart rolls back at a speed that fades, for a second.
void Kart::bounceBack(float dt) {
    if (!bumping)
        return;
    speed = bumpSpeed;
    bumpTime += dt;
    bumpSpeed = BUMP_DECAY * bumpSpeed;
    if (bumpTime > BUMP_SECONDS) {
        bumping = false;
        bumpTime = 0;
        acceleration = 0;
        speed = 0;
    }
}

// A coconut's hit turns the kart once round, slower as it goes, and drags it.
void Kart::spinOut(float dt) {
    if (!spinning)
        return;
    spinAngle += spinRate;
    const float step = SPIN_SLOWING * dt;
    if (spinRate > step + SPIN_FLOOR)
        spinRate -= step;
    if (spinAngle > FULL_SPIN) {
        spinAngle = 0;
        spinRate = 0.15f;
        spinning = false;
    }
    speed = SPIN_DRAG * speed;
}

// Along the heading, tilted by the ground's pitch; the wheels roll with it.
void Kart::move(float dt) {
    const float sh = std::sin(heading), ch = std::cos(heading);
    const float sp = std::sin(pitch), cp = std::cos(pitch);
    const float sr = std::sin(roll), cr = std::cos(roll);
    travelDir = {sh * cp, sp, ch * cp};
    sideDir = {ch * cr, sr, -sh * cr};

    const float travel = dt * speed;
    moveStep = {travelDir.x * travel, travelDir.y * travel, travelDir.z * travel};
    position = add(position, moveStep);

    wheelRoll += speed;
    if (wheelRoll > 360)
        wheelRoll -= 360;
    else if (wheelRoll < 0)
        wheelRoll += 360;
}

// A slide held into a hard turn pushes the kart sideways and raises dust;
// a boost smokes; the exhaust follows the kart.
void Kart::slideAndSmoke(float dt) {
    slide += static_cast<float>(slideRate) * dt;
    if (-SLIDE_LIMIT * dt < slide && slide < SLIDE_LIMIT * dt)
        slide = 0;
    else
        slide = clamp(slide, -SLIDE_LIMIT, SLIDE_LIMIT);

    if ((turnRate > SLIDE_TURN && slide > SLIDE_CENTRE) ||
        (turnRate < -SLIDE_TURN && slide < -SLIDE_CENTRE)) {
        const float push = dt * slide * speed / SLIDE_LIMIT;
        slideStep = {sideDir.x * push, sideDir.y * push, sideDir.z * push};
        position = add(position, slideStep);
        exhaust.setEmitting(true);
    } else if (acceleration > BOOSTING && speed < BOOST_SMOKE_LIMIT) {
        exhaust.setEmitting(true);
    } else {
        exhaust.setEmitting(false);
    }
    exhaust.emitter = {position.x, position.y - EXHAUST_DROP, position.z};
}

// Fast through a turn without sliding, the body leans out of it.
void Kart::leanIntoTurns() {
    if ((turnRate > LEAN_TURN || turnRate < -LEAN_TURN) && -SLIDE_CENTRE < slide &&
        slide < SLIDE_CENTRE && speed > LEAN_SPEED)
        bodyLean = clamp(turnRate * (speed - LEAN_SPEED) / 100, -LEAN_LIMIT, LEAN_LIMIT);
    else
        bodyLean = 0;
}

// Wheels off the ground fall on their own; each then meets the ground under it.
void Kart::dropWheels(float dt) {
    for (int w = 0; w < WHEEL_COUNT; ++w) {
        if (wheelAirborne[w]) {
            wheelFallTime[w] += dt;
            wheelPositions[w].y -= wheelFallTime[w] * wheelFallTime[w] * wheelDropFactor;
        }
    }
    measureGround();
    for (int w = 0; w < WHEEL_COUNT; ++w) {
        if (wheelPositions[w].y > groundHeight[w]) {
            wheelAirborne[w] = true;
        } else {
            wheelPositions[w].y = groundHeight[w];
            wheelAirborne[w] = false;
            wheelFallTime[w] = 0;
        }
    }
}

// The chassis rides on its wheels: its height, and its pitch and roll from
// theirs once all four are down (or it has just landed); then the heading.
void Kart::settleChassis(bool landed) {
    const float w0 = wheelPositions[0].y, w1 = wheelPositions[1].y;
    const float w2 = wheelPositions[2].y, w3 = wheelPositions[3].y;
    const float ground =
        (groundHeight[0] + groundHeight[1] + groundHeight[2] + groundHeight[3]) / 4;
    position.y = (w0 + w1 + w2 + w3) / 4 - BODY_CLEARANCE;
    if (position.y < ground + BODY_SNAP) {
        position.y = ground;
        fallTime = 0;
    }

    const bool anyAirborne =
        wheelAirborne[0] || wheelAirborne[1] || wheelAirborne[2] || wheelAirborne[3];
    if (!anyAirborne || landed) {
        pitch = std::atan(((w0 + w1) / 2 - (w2 + w3) / 2) / (2 * axleOffset));
        roll = std::atan(((w0 + w2) / 2 - (w1 + w3) / 2) / size.x);
    }

    // Rounding can put the ratio a hair past 1, and acos would give NaN.
    heading = std::acos(clamp(forward.z / length3(forward), -1, 1));
    if (forward.x < 0)
        heading = -heading;
}
