#include "support/Sound.h"

#include <cmath>

namespace {

constexpr float VOLUME_AT_TOP = 100;
constexpr float FREQUENCY_RISE = 4000;
constexpr int FREQUENCY_AT_REST = 10000;
// Far beyond any kart's speed ratio, and well inside what an int holds.
constexpr float RATIO_LIMIT = 1000;

} // namespace

EngineTone engineTone(float speed, float maxSpeed) {
    float ratio = maxSpeed != 0 ? speed / maxSpeed : 0;
    if (!std::isfinite(ratio))
        ratio = 0;
    ratio = std::fmax(-RATIO_LIMIT, std::fmin(RATIO_LIMIT, ratio));
    return {static_cast<int>(ratio * VOLUME_AT_TOP),
            static_cast<int>(ratio * FREQUENCY_RISE) + FREQUENCY_AT_REST};
}
