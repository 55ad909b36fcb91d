#include "shell/TagClockVariable.h"

#include "shell/RandomSeed.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr const char* TAG_SECONDS_VARIABLE = "VORLANE_KART_TAG_SECONDS";
constexpr unsigned MOST_SECONDS = 999; // the clock shows three digits of seconds

} // namespace

float tagClockFromEnvironment(float standard) {
    const char* text = std::getenv(TAG_SECONDS_VARIABLE);
    if (text == nullptr)
        return standard;
    unsigned seconds = 0;
    if (parseSeed(text, &seconds) && seconds >= 1 && seconds <= MOST_SECONDS)
        return static_cast<float>(seconds);
    std::fprintf(stderr,
                 "vorlane-kart: %s=\"%s\" is not a whole number of seconds from 1 to %u; the "
                 "clocks start at %g\n",
                 TAG_SECONDS_VARIABLE, text, MOST_SECONDS, standard);
    return standard;
}
