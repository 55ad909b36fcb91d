#include "app/MatchStatus.h"

#include "app/TagRules.h"

void MatchStatus::init(int windowWidth, int windowHeight) {
    showP1Wins = showP2Wins = showHurryUp = showGoal = false;
    showClock = true;
    p1WinsTime = p2WinsTime = hurryUpTime = goalTime = MESSAGE_SECONDS;
    countdownTime = COUNTDOWN_SECONDS;
    centreX = windowWidth / 2.0f;
    centreY = windowHeight / 2.0f;
    messageTime = MESSAGE_SECONDS;
    matchClock = 0;
    tagClockShown1 = tagClockShown2 = TAG_CLOCK_SECONDS;
    clockRunning = false;
}

void MatchStatus::beginCountdown() {
    countdownActive = true;
    countdownTime = COUNTDOWN_SECONDS;
}

void MatchStatus::resetClock() {
    clockRunning = false;
    matchClock = 0;
}

void MatchStatus::stopClock() {
    clockRunning = false;
}

// A message's time that is exactly 0 waits one more step before it hides.
static void expire(bool& shown, float& time, float fresh) {
    if (time < 0) {
        time = fresh;
        shown = false;
    }
}

void MatchStatus::step(float dt) {
    if (showP1Wins)
        p1WinsTime -= dt;
    if (showP2Wins)
        p2WinsTime -= dt;
    if (showHurryUp)
        hurryUpTime -= dt;
    if (showGoal)
        goalTime -= dt;
    if (countdownActive)
        countdownTime -= dt;

    expire(showP1Wins, p1WinsTime, messageTime);
    expire(showP2Wins, p2WinsTime, messageTime);
    expire(showHurryUp, hurryUpTime, messageTime);
    expire(showGoal, goalTime, messageTime);

    if (countdownTime < 0) {
        countdownTime = COUNTDOWN_SECONDS;
        countdownActive = false;
        clockRunning = true;
    }
    if (clockRunning)
        matchClock += dt;
}
