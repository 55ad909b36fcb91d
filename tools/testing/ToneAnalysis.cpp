#include "tools/testing/ToneAnalysis.h"

#include <algorithm>
#include <cmath>

namespace {

// A peak this close to the best counts as a period: the best lag of a clean
// tone can be a multiple of its period by rounding alone.
constexpr double NEAR_BEST = 0.9;
// Below this, the stretch has no pitch worth naming.
constexpr double LEAST_CLARITY = 0.5;
// How far a period may differ from the window's, as a share, and the step
// the seam search takes through that, in samples.
constexpr double SEAM_DRIFT = 0.02;
constexpr double SEAM_STEP = 0.1;

} // namespace

Pitch fundamental(const std::vector<float>& samples, double sampleRate, PitchRange range) {
    const long shortest = std::max(2L, static_cast<long>(std::floor(sampleRate / range.highestHz)));
    const long longest = static_cast<long>(std::ceil(sampleRate / range.lowestHz)) + 1;
    const long n = static_cast<long>(samples.size());
    // The same number of products at every lag, so the values compare.
    const long overlap = n - longest;
    if (shortest + 2 > longest || overlap < longest / 2)
        return {0, 0};
    double head = 0;
    for (long i = 0; i < overlap; ++i)
        head += static_cast<double>(samples[i]) * samples[i];
    std::vector<double> r(static_cast<size_t>(longest + 1), 0);
    double tail = 0;
    for (long i = shortest - 1; i < shortest - 1 + overlap; ++i)
        tail += static_cast<double>(samples[i]) * samples[i];
    for (long lag = shortest - 1; lag <= longest; ++lag) {
        if (lag > shortest - 1) {
            const double out = samples[lag - 1], in = samples[lag - 1 + overlap];
            tail += in * in - out * out;
        }
        double sum = 0;
        for (long i = 0; i < overlap; ++i)
            sum += static_cast<double>(samples[i]) * samples[i + lag];
        const double energy = std::sqrt(head * std::max(tail, 0.0));
        r[lag] = energy > 0 ? sum / energy : 0;
    }
    double best = 0;
    for (long lag = shortest; lag < longest; ++lag)
        best = std::max(best, r[lag]);
    if (best < LEAST_CLARITY)
        return {0, best > 0 ? best : 0};
    for (long lag = shortest; lag < longest; ++lag) {
        if (r[lag] < NEAR_BEST * best || r[lag] < r[lag - 1] || r[lag] < r[lag + 1])
            continue;
        // The top of the parabola through the peak and its neighbours.
        const double a = r[lag - 1], b = r[lag], c = r[lag + 1];
        const double bend = a - 2 * b + c;
        const double shift = bend < 0 ? 0.5 * (a - c) / bend : 0;
        return {sampleRate / (lag + shift), b};
    }
    return {0, best};
}

namespace {

// The sample x(at), between its two neighbours.
double between(const std::vector<float>& samples, double at) {
    const long whole = static_cast<long>(std::floor(at));
    const double part = at - whole;
    return samples[whole] * (1 - part) + samples[whole + 1] * part;
}

} // namespace

double seam(const std::vector<float>& samples, double period, long from) {
    float peak = 0;
    for (long i = std::max(0L, from); i < static_cast<long>(samples.size()); ++i)
        peak = std::max(peak, std::fabs(samples[i]));
    const long n = static_cast<long>(samples.size());
    if (!(period >= 2) || peak == 0)
        return 0;
    // Each period against the one before it, at the lag that fits it best
    // nearby: pitch and loudness drift from period to period, a seam jumps.
    const long length = static_cast<long>(std::ceil(period));
    const long first = std::max(from, static_cast<long>(std::ceil(period * (1 + SEAM_DRIFT))) + 1);
    double worst = 0;
    for (long start = first; start < n; start += length) {
        const long end = std::min(n, start + length);
        double bestError = -1, bestLag = period;
        for (double lag = period * (1 - SEAM_DRIFT); lag <= period * (1 + SEAM_DRIFT);
             lag += SEAM_STEP) {
            double error = 0;
            for (long i = start; i < end; ++i) {
                const double d = samples[i] - between(samples, i - lag);
                error += d * d;
            }
            if (bestError < 0 || error < bestError) {
                bestError = error;
                bestLag = lag;
            }
        }
        for (long i = start; i < end; ++i)
            worst = std::max(worst, std::fabs(samples[i] - between(samples, i - bestLag)));
    }
    return worst / peak;
}
