#pragma once

// How a kart's turn rate answers its steering and eases back, in one place
// for the kart itself and for anything that plans a kart's turns.

constexpr float STEER_STEP = 0.2f;      // added by a held steer key, per tick
constexpr float STEER_RETURN = 5;       // back toward straight, per second²
constexpr float TURN_DEAD_ZONE = 0.05f; // slower turns than this are none
constexpr float MAX_TURN_RATE = 1.5f;   // radians a second, either way

// A held steer key, +1 or -1 (0: none). Turning the other way first
// straightens up, so a reversal bites at once. A positive direction lowers
// the turn rate, which turns the heading up.
inline float steeredTurnRate(float turnRate, int direction) {
    if (direction > 0) {
        if (turnRate > 0)
            turnRate = 0;
        turnRate -= STEER_STEP;
    } else if (direction < 0) {
        if (turnRate < 0)
            turnRate = 0;
        turnRate += STEER_STEP;
    }
    return turnRate;
}

// Within the kart's limit, and straight inside the dead zone.
inline float clampedTurnRate(float turnRate, float maxTurnRate) {
    turnRate = turnRate < -maxTurnRate  ? -maxTurnRate
               : turnRate > maxTurnRate ? maxTurnRate
                                        : turnRate;
    return -TURN_DEAD_ZONE < turnRate && turnRate < TURN_DEAD_ZONE ? 0 : turnRate;
}

// One physics step's easing back toward straight, then the clamp.
inline float easedTurnRate(float turnRate, float maxTurnRate, float dt) {
    if (turnRate > 0)
        turnRate -= STEER_RETURN * dt;
    else if (turnRate < 0)
        turnRate += STEER_RETURN * dt;
    return clampedTurnRate(turnRate, maxTurnRate);
}
