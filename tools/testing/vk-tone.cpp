// Measures a recorded sound file over time windows: how loud it is and how
// high. For the end-to-end tests of the engine tone.
//
//   vk-tone FILE SECONDS   one line per window of SECONDS:
//                          "window START rms RMS crossings PER_SECOND audible SHARE"
//
// RMS is on the 0 .. 1 scale of full-scale samples. The rate of upward zero
// crossings of the first channel, per second of audible sound, stands for
// the pitch; SHARE is the part of the window that is audible, by 10 ms blocks.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sndfile.h>
#include <vector>

constexpr double AUDIBLE = 0.001; // RMS of a block that counts as sound

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: vk-tone FILE SECONDS\n");
        return 2;
    }
    SF_INFO info{};
    SNDFILE* file = sf_open(argv[1], SFM_READ, &info);
    if (file == nullptr || info.channels < 1) {
        std::fprintf(stderr, "vk-tone: cannot read %s: %s\n", argv[1], sf_strerror(file));
        return 2;
    }
    const double seconds = std::atof(argv[2]);
    const sf_count_t window = static_cast<sf_count_t>(seconds * info.samplerate);
    if (window < 1) {
        std::fprintf(stderr, "vk-tone: a window must hold at least one frame\n");
        return 2;
    }
    std::vector<float> frames(static_cast<size_t>(window * info.channels));
    for (sf_count_t start = 0;; start += window) {
        const sf_count_t got = sf_readf_float(file, frames.data(), window);
        if (got < window)
            break;
        double sum = 0, blockSum = 0;
        long crossings = 0, blockCrossings = 0, audibleFrames = 0;
        const sf_count_t block = info.samplerate / 100 > 0 ? info.samplerate / 100 : 1;
        for (sf_count_t i = 0; i < got; ++i) {
            const float v = frames[static_cast<size_t>(i * info.channels)];
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
        const double audibleSeconds = static_cast<double>(audibleFrames) / info.samplerate;
        std::printf("window %.2f rms %.5f crossings %.1f audible %.2f\n",
                    static_cast<double>(start) / info.samplerate, std::sqrt(sum / got),
                    audibleSeconds > 0 ? crossings / audibleSeconds : 0.0,
                    static_cast<double>(audibleFrames) / got);
    }
    sf_close(file);
    return 0;
}
