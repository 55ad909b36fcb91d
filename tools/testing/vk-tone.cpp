// Measures a recorded sound file over time windows: how loud it is and how
// high. For the end-to-end tests of the engine tone.
//
//   vk-tone FILE                 the seconds recorded so far (a recording
//                                still being written reads up to its end)
//   vk-tone FILE SECONDS [FROM]  one line per whole window of SECONDS, from
//                                FROM seconds into the file (default 0):
//     "window START rms RMS crossings PER_SECOND audible SHARE
//      fundamental HZ clarity R seam S"
//
// RMS is on the 0 .. 1 scale of full-scale samples. The rate of upward zero
// crossings of the first channel, per second of audible sound, follows the
// pitch but counts the strong harmonics too; SHARE is the part of the window
// that is audible, by 10 ms blocks. HZ is the fundamental of the first
// channel by autocorrelation, and R how periodic the window is at it (1:
// exactly); both 0 for a silent or unpitched window. S is the largest change
// from one period to the next, over the window's peak: a click or a seam in
// a steady tone stands out against the slow drift of pitch and loudness.

#include "tools/testing/ToneAnalysis.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sndfile.h>
#include <vector>

constexpr double AUDIBLE = 0.001; // RMS of a block that counts as sound

int main(int argc, char** argv) {
    if (argc < 2 || argc > 4) {
        std::fprintf(stderr, "usage: vk-tone FILE [SECONDS [FROM]]\n");
        return 2;
    }
    SF_INFO info{};
    SNDFILE* file = sf_open(argv[1], SFM_READ, &info);
    if (file == nullptr || info.channels < 1 || info.samplerate < 1) {
        std::fprintf(stderr, "vk-tone: cannot read %s: %s\n", argv[1], sf_strerror(file));
        return 2;
    }
    if (argc == 2) {
        std::printf("%.3f\n", static_cast<double>(info.frames) / info.samplerate);
        sf_close(file);
        return 0;
    }
    const double seconds = std::atof(argv[2]);
    const sf_count_t window = static_cast<sf_count_t>(seconds * info.samplerate);
    if (window < 1) {
        std::fprintf(stderr, "vk-tone: a window must hold at least one frame\n");
        return 2;
    }
    const PitchRange range{30, 250};
    // The seam of a window's first periods is judged against the end of the
    // window before it: the longest period and its drift.
    const sf_count_t context = static_cast<sf_count_t>(info.samplerate / range.lowestHz * 1.1) + 2;
    sf_count_t start = 0;
    if (argc == 4)
        start = static_cast<sf_count_t>(std::atof(argv[3]) * info.samplerate);
    const sf_count_t lead = std::min(start, context);
    if (start < 0 || (start > 0 && sf_seek(file, start - lead, SEEK_SET) != start - lead)) {
        std::fprintf(stderr, "vk-tone: %s holds nothing from %s s on\n", argv[1], argv[3]);
        return 2;
    }
    std::vector<float> frames(static_cast<size_t>(std::max(window, context) * info.channels));
    std::vector<float> before; // the first channel just before the window
    if (sf_readf_float(file, frames.data(), lead) < lead)
        return 0;
    for (sf_count_t i = 0; i < lead; ++i)
        before.push_back(frames[static_cast<size_t>(i * info.channels)]);
    std::vector<float> first(static_cast<size_t>(window)), joined;
    for (;; start += window) {
        const sf_count_t got = sf_readf_float(file, frames.data(), window);
        if (got < window)
            break;
        double sum = 0, blockSum = 0;
        long crossings = 0, blockCrossings = 0, audibleFrames = 0;
        const sf_count_t block = info.samplerate / 100 > 0 ? info.samplerate / 100 : 1;
        for (sf_count_t i = 0; i < got; ++i) {
            const float v = frames[static_cast<size_t>(i * info.channels)];
            first[static_cast<size_t>(i)] = v;
            sum += v * v;
            blockSum += v * v;
            if (i > 0 && frames[static_cast<size_t>((i - 1) * info.channels)] < 0 && v >= 0)
                ++blockCrossings;
            if ((i + 1) % block == 0 || i + 1 == got) {
                const sf_count_t length = i % block + 1;
                if (std::sqrt(blockSum / length) > AUDIBLE) {
                    audibleFrames += length;
                    crossings += blockCrossings;
                }
                blockSum = 0;
                blockCrossings = 0;
            }
        }
        const double rms = std::sqrt(sum / got);
        Pitch pitch{};
        double seamed = 0;
        if (rms > AUDIBLE)
            pitch = fundamental(first, info.samplerate, range);
        joined.assign(before.begin(), before.end());
        joined.insert(joined.end(), first.begin(), first.end());
        if (pitch.hz > 0)
            seamed = seam(joined, info.samplerate / pitch.hz, static_cast<long>(before.size()));
        before.assign(joined.end() - std::min<sf_count_t>(context, joined.size()), joined.end());
        const double audibleSeconds = static_cast<double>(audibleFrames) / info.samplerate;
        std::printf("window %.2f rms %.5f crossings %.1f audible %.2f fundamental %.2f clarity "
                    "%.3f seam %.3f\n",
                    static_cast<double>(start) / info.samplerate, rms,
                    audibleSeconds > 0 ? crossings / audibleSeconds : 0.0,
                    static_cast<double>(audibleFrames) / got, pitch.hz, pitch.clarity, seamed);
    }
    sf_close(file);
    return 0;
}
