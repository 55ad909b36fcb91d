#include "app/TagRules.h"

#include "app/World.h"

void World::startTag() {
    moveToRaceStart();
    karts[0].isIt = true;
    karts[1].isIt = false;
    matchStatus.beginCountdown();
}

// First thing in every step, whatever the match.
void World::coolTagDown(float dt) {
    if (tagCooldown > 0)
        tagCooldown -= dt;
}

// Karts touching pass "it" on, once per meeting, in every match.
void World::passTagOnTouch() {
    if (tagCooldown > 0)
        return;
    karts[0].isIt = !karts[0].isIt;
    karts[1].isIt = !karts[1].isIt;
    tagCooldown = TAG_COOLDOWN;
}

void World::tagStep(float dt) {
    if (karts[0].tagClock <= 0) {
        matchStatus.showP2Wins = true;
        return;
    }
    if (karts[1].tagClock <= 0) {
        matchStatus.showP1Wins = true;
        return;
    }
    // Neither clock runs while "it" has just changed hands.
    if (tagCooldown > 0 || matchStatus.countdownActive)
        return;
    Kart& it = karts[0].isIt ? karts[0] : karts[1];
    if (!it.isIt)
        return;
    const bool hurried = it.tagClock < HURRY_UP_SECONDS;
    it.tagClock -= dt;
    if (!hurried && it.tagClock < HURRY_UP_SECONDS)
        matchStatus.showHurryUp = true;
}
