#include "shell/RandomSeed.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <limits>

namespace {

constexpr const char* SEED_VARIABLE = "VORLANE_KART_SEED";

} // namespace

bool parseSeed(const char* text, unsigned* seed) {
    // By hand: strtoul would let a sign, spaces and a wrapped-round
    // overflow through.
    if (*text == '\0')
        return false;
    unsigned long long value = 0;
    for (const char* c = text; *c != '\0'; ++c) {
        if (*c < '0' || *c > '9')
            return false;
        value = value * 10 + static_cast<unsigned>(*c - '0');
        if (value > std::numeric_limits<unsigned>::max())
            return false;
    }
    *seed = static_cast<unsigned>(value);
    return true;
}

void seedRandom() {
    const char* text = std::getenv(SEED_VARIABLE);
    unsigned seed = 0;
    if (text != nullptr && parseSeed(text, &seed)) {
        std::srand(seed);
        return;
    }
    if (text != nullptr)
        std::fprintf(stderr,
                     "vorlane-kart: %s=\"%s\" is not an unsigned decimal; seeding from the time\n",
                     SEED_VARIABLE, text);
    std::srand(static_cast<unsigned>(std::time(nullptr)));
}
