#include "support/Sound.h"
#include "support/audio/EngineSound.h"
#include "support/audio/WavSample.h"
#include "tests/unit/assets/TempFolder.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <string>

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
    EXPECT_TRUE(sound.soundEnabled);
    sound.toggleSound();
    EXPECT_FALSE(sound.soundEnabled);
    // Switched off, or with no device, playing does nothing and fails nothing.
    playEngineSound(sound, 24, 24);
    sound.toggleSound();
    playEngineSound(sound, 24, 24);
    EXPECT_TRUE(sound.soundEnabled);
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

} // namespace
