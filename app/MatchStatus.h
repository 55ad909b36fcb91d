#pragma once

#include <cstdint>

// The on-screen messages with their timers, the start countdown and the
// clocks the HUD shows.
struct MatchStatus {
    bool showP1Wins = false;
    bool showP2Wins = false;
    bool showHurryUp = false;
    bool showGoal = false;
    bool showTitle = false;
    bool countdownActive = false;
    bool showClock = false;
    float p1WinsTime = 0;
    float p2WinsTime = 0;
    float hurryUpTime = 0;
    float goalTime = 0;
    float countdownTime = 0;
    float centreX = 0;
    float centreY = 0;
    float messageTime = 0;
    float matchClock = 0;
    float tagClockShown1 = 0;
    float tagClockShown2 = 0;
    bool clockRunning = false;

    static constexpr float COUNTDOWN_SECONDS = 5;
    static constexpr float MESSAGE_SECONDS = 2;

    // Leaves showTitle and countdownActive as they are.
    void init(int windowWidth, int windowHeight);
    void beginCountdown();
    void resetClock();
    void stopClock();
    // The countdown image is on screen: input and kart physics wait.
    bool countdownShowing() const { return countdownActive && countdownTime > 0; }
    void step(float dt);
};
