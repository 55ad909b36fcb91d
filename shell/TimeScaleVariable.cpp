#include "shell/TimeScaleVariable.h"

#include "shell/RandomSeed.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr const char* TIME_SCALE_VARIABLE = "VORLANE_KART_TIME_SCALE";
// A frame's backlog is cut at 250 ms: past this a slow frame would lose time.
constexpr unsigned MOST_SCALE = 8;

} // namespace

int timeScaleFromEnvironment() {
    const char* text = std::getenv(TIME_SCALE_VARIABLE);
    if (text == nullptr)
        return 1;
    unsigned scale = 0;
    if (parseSeed(text, &scale) && scale >= 1 && scale <= MOST_SCALE)
        return static_cast<int>(scale);
    std::fprintf(stderr,
                 "vorlane-kart: %s=\"%s\" is not a whole number from 1 to %u; the game runs at "
                 "its own speed\n",
                 TIME_SCALE_VARIABLE, text, MOST_SCALE);
    return 1;
}
