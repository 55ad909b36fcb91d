#include "support/Sound.h"
#include "support/audio/EngineSound.h"
#include "support/audio/WavSample.h"
#include "tests/unit/assets/TempFolder.h"

#include "tools/testing/ToneAnalysis.h"

#include <AL/al.h>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <limits>
#include <sndfile.h>
#include <string>
#include <thread>
#include <vector>

namespace {

void expectTone(float speed, int volume, int frequency) {
    SCOPED_TRACE(speed);
    const EngineTone tone = engineTone(speed, 24);
    EXPECT_EQ(tone.volume, volume);
    EXPECT_EQ(tone.frequency, frequency);
}

TEST(Sound, ToneFollowsTheSpeedTruncated) {
    expectTone(0, 0, 10000);
    expectTone(24, 100, 14000);
    expectTone(12, 50, 12000);
    expectTone(0.999f * 24, 99, 13996);
    expectTone(-8, -33, 8667); // reversing: passed on as computed
    // No top speed, or a speed that is not a number: the tone at rest.
    EXPECT_EQ(engineTone(5, 0).frequency, 10000);
    EXPECT_EQ(engineTone(std::numeric_limits<float>::quiet_NaN(), 24).volume, 0);
    EXPECT_EQ(engineTone(1e30f, 24).volume, 100000);
}

TEST(Sound, PlaybackClampsTheVolumeAndKeepsThePitchAboveZero) {
    TonePlayback p = tonePlayback({100, 14000}, 22050);
    EXPECT_FLOAT_EQ(p.gain, 100.0f / 255);
    EXPECT_FLOAT_EQ(p.pitch, 14000.0f / 22050);
    p = tonePlayback({-33, 8667}, 22050);
    EXPECT_EQ(p.gain, 0); // a reversing kart is silent
    EXPECT_GT(p.pitch, 0);
    p = tonePlayback({100000, -2000}, 22050);
    EXPECT_EQ(p.gain, 1);
    EXPECT_GT(p.pitch, 0);
}

TEST(Sound, NineTogglesTheSoundOnAndOff) {
    SoundSystem sound;
    AudioOutput audio;
    EXPECT_TRUE(sound.soundEnabled);
    sound.toggleSound();
    EXPECT_FALSE(sound.soundEnabled);
    // Switched off, or with no device, the tone calls do nothing and fail nothing.
    setEngineTone(audio, sound, 24, 24);
    silenceEngine(audio);
    sound.toggleSound();
    setEngineTone(audio, sound, 24, 24);
    EXPECT_TRUE(sound.soundEnabled);
    EXPECT_FALSE(audio.ready);
}

std::string wavHeader(uint16_t channels, uint32_t rate, uint32_t dataBytes) {
    std::string h = "RIFF";
    auto little = [&h](uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            h += static_cast<char>((v >> (8 * i)) & 255);
    };
    little(36 + dataBytes, 4);
    h += "WAVEfmt ";
    little(16, 4);
    little(1, 2);
    little(channels, 2);
    little(rate, 4);
    little(rate * 2 * channels, 4);
    little(2 * channels, 2);
    little(16, 2);
    h += "data";
    little(dataBytes, 4);
    return h;
}

TEST(WavSample, ReadsASampleAndRefusesWhatItCannotPlay) {
    TempFolder folder;
    WavSample sample;
    std::string error;

    const std::string good =
        folder.write("good.wav", wavHeader(1, 22050, 8) + std::string(8, '\1'));
    ASSERT_TRUE(readWavSample(good.c_str(), &sample, &error)) << error;
    EXPECT_EQ(sample.channels, 1);
    EXPECT_EQ(sample.rate, 22050);
    EXPECT_EQ(sample.samples.size(), 4u);
    EXPECT_EQ(sample.samples[0], 0x0101);

    EXPECT_FALSE(readWavSample((folder.path / "none.wav").c_str(), &sample, &error));
    EXPECT_EQ(error, "file not found");
    EXPECT_FALSE(readWavSample(folder.path.c_str(), &sample, &error));
    const std::string noise = folder.write("noise.wav", std::string(300, '\x7f'));
    EXPECT_FALSE(readWavSample(noise.c_str(), &sample, &error));
    EXPECT_FALSE(error.empty());
    const std::string empty = folder.write("empty.wav", wavHeader(1, 22050, 0));
    EXPECT_FALSE(readWavSample(empty.c_str(), &sample, &error));
    const std::string surround =
        folder.write("six.wav", wavHeader(6, 22050, 24) + std::string(24, '\0'));
    EXPECT_FALSE(readWavSample(surround.c_str(), &sample, &error));
    EXPECT_NE(error.find("6 channels"), std::string::npos);
    // A refused file leaves the last good sample as it was.
    EXPECT_EQ(sample.samples.size(), 4u);
}

// The library reads its configuration once a process: every test here plays
// into one wave file, written anew each time a device opens.
std::string recordingPath() {
    static TempFolder folder;
    static const std::string recording = (folder.path / "played.wav").string();
    static const bool configured =
        setenv("ALSOFT_CONF",
               folder.write("wave.conf", "drivers=wave\n[wave]\nfile=" + recording + "\n").c_str(),
               1) == 0;
    EXPECT_TRUE(configured);
    return recording;
}

// The loop on OpenAL Soft's wave file output: a real source, nothing heard.
class EngineLoop : public ::testing::Test {
  protected:
    TempFolder folder;
    SoundSystem sound;
    AudioOutput audio;

    void SetUp() override {
        recordingPath();
        // Long enough that no offset read here can have come round again.
        const uint32_t frames = 200000;
        const std::string wav = folder.write("tone.wav", wavHeader(1, 22050, frames * 2) +
                                                             std::string(frames * 2, '\0'));
        startAudio(audio, wav.c_str());
        ASSERT_TRUE(audio.ready);
    }
    void TearDown() override { stopAudio(audio); }

    ALint state() const {
        ALint s = 0;
        alGetSourcei(audio.source, AL_SOURCE_STATE, &s);
        return s;
    }
    ALint offset() const {
        ALint o = 0;
        alGetSourcei(audio.source, AL_SAMPLE_OFFSET, &o);
        return o;
    }
    float value(ALenum what) const {
        float v = 0;
        alGetSourcef(audio.source, what, &v);
        return v;
    }
};

TEST_F(EngineLoop, EachFrameBendsTheLoopWithoutRestartingIt) {
    ALint looping = 0;
    alGetSourcei(audio.source, AL_LOOPING, &looping);
    EXPECT_EQ(looping, AL_TRUE);
    setEngineTone(audio, sound, 24, 24);
    EXPECT_EQ(state(), AL_PLAYING);
    EXPECT_FLOAT_EQ(value(AL_GAIN), 100.0f / 255);
    EXPECT_FLOAT_EQ(value(AL_PITCH), 14000.0f / 22050);
    alSourcei(audio.source, AL_SAMPLE_OFFSET, 100000);
    setEngineTone(audio, sound, 12, 24);
    EXPECT_GE(offset(), 100000) << "the loop went back to the top";
    EXPECT_EQ(state(), AL_PLAYING);
    EXPECT_FLOAT_EQ(value(AL_GAIN), 50.0f / 255);
    EXPECT_FLOAT_EQ(value(AL_PITCH), 12000.0f / 22050);
}

TEST_F(EngineLoop, NineAndTheMatchChoicePauseItAndPlayResumes) {
    setEngineTone(audio, sound, 24, 24);
    alSourcei(audio.source, AL_SAMPLE_OFFSET, 100000);
    sound.toggleSound();
    setEngineTone(audio, sound, 24, 24);
    EXPECT_EQ(state(), AL_PAUSED);
    const ALint paused = offset();
    EXPECT_GE(paused, 100000);
    // Off stays off, whatever the kart does.
    setEngineTone(audio, sound, 12, 24);
    EXPECT_EQ(state(), AL_PAUSED);
    sound.toggleSound();
    setEngineTone(audio, sound, 12, 24);
    EXPECT_EQ(state(), AL_PLAYING);
    EXPECT_GE(offset(), paused) << "resumed from the top, not where it stopped";

    silenceEngine(audio);
    EXPECT_EQ(state(), AL_PAUSED);
    silenceEngine(audio);
    EXPECT_EQ(state(), AL_PAUSED);
    setEngineTone(audio, sound, 0, 24);
    EXPECT_EQ(state(), AL_PLAYING);
    EXPECT_EQ(value(AL_GAIN), 0) << "at rest the loop runs, silent";
}

// The frames recorded so far, first channel only, and the rate.
std::vector<float> recorded(const std::string& path, int* rate) {
    SF_INFO info{};
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (file == nullptr)
        return {};
    std::vector<float> frames(static_cast<size_t>(info.frames * info.channels));
    frames.resize(
        static_cast<size_t>(sf_readf_float(file, frames.data(), info.frames) * info.channels));
    sf_close(file);
    std::vector<float> first;
    for (size_t i = 0; i < frames.size(); i += static_cast<size_t>(info.channels))
        first.push_back(frames[i]);
    *rate = info.samplerate;
    return first;
}

// The project's own sample through the mixer at top speed: the 200-sample
// cycle at 14000 Hz is a 70 Hz beat, and every period matches the one
// before it, across the joins of the loop (one every 0.47 s) as well.
TEST(EngineSample, LoopsThroughTheMixerWithoutASeam) {
    const std::string recording = recordingPath();
    const auto sample = std::filesystem::canonical("/proc/self/exe").parent_path().parent_path() /
                        "data" / "ray01.wav";
    SoundSystem sound;
    AudioOutput audio;
    startAudio(audio, sample.c_str());
    ASSERT_TRUE(audio.ready);
    setEngineTone(audio, sound, 24, 24);
    // The wave writer keeps pace with the clock: wait for a second and a half.
    int rate = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    for (;;) {
        const size_t frames = recorded(recording, &rate).size();
        if (rate > 0 && frames >= static_cast<size_t>(1.5 * rate))
            break;
        ASSERT_LT(std::chrono::steady_clock::now(), deadline) << "the recording stopped growing";
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    stopAudio(audio);
    const std::vector<float> played = recorded(recording, &rate);
    const size_t window = static_cast<size_t>(rate) / 10;
    int judged = 0;
    // The first window holds the start from silence.
    for (size_t start = window; start + window <= played.size(); start += window, ++judged) {
        SCOPED_TRACE(static_cast<double>(start) / rate);
        const auto from = played.begin() + static_cast<long>(start);
        const Pitch pitch = fundamental({from, from + static_cast<long>(window)}, rate, {30, 250});
        EXPECT_NEAR(pitch.hz, 70, 0.1);
        EXPECT_GT(pitch.clarity, 0.999);
        // Half a window before it, to compare the window's first periods with.
        const long before = static_cast<long>(window / 2);
        EXPECT_LT(seam({from - before, from + static_cast<long>(window)}, rate / 70.0, before),
                  0.05);
    }
    EXPECT_GE(judged, 13);
}

} // namespace
