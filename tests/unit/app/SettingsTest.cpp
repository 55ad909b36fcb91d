#include "app/Settings.h"

#include <gtest/gtest.h>

namespace {

Settings read(const std::string& text, std::vector<std::string>* problems) {
    return readSettings(text, "settings.conf", problems);
}

TEST(Settings, EveryNameAndValueReadsIntoItsField) {
    std::vector<std::string> problems;
    const Settings s = read("effects_volume = 0\n"
                            "  music_volume=10   # loud\r\n"
                            "full_screen = yes\n"
                            "view = one\n"
                            "\n"
                            "sky = dusk\t\n"
                            "player1 = cpu\n"
                            "player2 = cpu\n"
                            "cpu_level = hard\n"
                            "last_match = ball", // no newline at the end
                            &problems);
    EXPECT_TRUE(problems.empty()) << problems[0];
    EXPECT_EQ(s.effectsVolume, 0);
    EXPECT_EQ(s.musicVolume, 10);
    EXPECT_TRUE(s.fullScreen);
    EXPECT_FALSE(s.splitScreen);
    EXPECT_TRUE(s.duskSky);
    EXPECT_TRUE(s.cpuSeat[0]);
    EXPECT_TRUE(s.cpuSeat[1]);
    EXPECT_EQ(s.cpuLevel, CPU_HARD);
    EXPECT_EQ(s.lastMatch, GAME_BALL);

    const Settings t = read("full_screen = no\nview = split\nsky = day\nplayer1 = keys\n"
                            "cpu_level = easy\nlast_match = tag\n",
                            &problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_FALSE(t.fullScreen);
    EXPECT_TRUE(t.splitScreen);
    EXPECT_FALSE(t.duskSky);
    EXPECT_FALSE(t.cpuSeat[0]);
    EXPECT_EQ(t.cpuLevel, CPU_EASY);
    EXPECT_EQ(t.lastMatch, GAME_TAG);
    EXPECT_EQ(read("last_match = race\n", &problems).lastMatch, GAME_RACE);
    EXPECT_EQ(read("cpu_level = normal\n", &problems).cpuLevel, CPU_NORMAL);
}

TEST(Settings, AnEmptyFileIsTheDefaultsAndALaterLineWins) {
    std::vector<std::string> problems;
    EXPECT_EQ(read("", &problems), Settings{});
    EXPECT_EQ(read("# nothing\n\n  \r\n", &problems), Settings{});
    EXPECT_EQ(read("music_volume = 2\nmusic_volume = 9\n", &problems).musicVolume, 9);
    EXPECT_TRUE(problems.empty());
}

TEST(Settings, EachBadLineSaysWhereAndWhatAndKeepsItsDefault) {
    std::vector<std::string> problems;
    const Settings s = read("effects_volume = 11\n"  // 1: out of range
                            "music_volume = 5x\n"    // 2: junk after the number
                            "full_screen = maybe\n"  // 3: not yes or no
                            "view\n"                 // 4: no '='
                            "sky = night\n"          // 5
                            "player1 = pad\n"        // 6
                            "cpu_level = expert\n"   // 7
                            "last_match = collect\n" // 8: no menu offers it
                            "volume = 3\n"           // 9: no such setting
                            "music_volume = -1\n"    // 10
                            "effects_volume = \n"    // 11: no value
                            "player2 = keys\n",      // 12: fine
                            &problems);
    ASSERT_EQ(problems.size(), 11u);
    for (size_t i = 0; i < problems.size(); ++i)
        EXPECT_EQ(problems[i].rfind("settings.conf:" + std::to_string(i + 1) + ": ", 0), 0u)
            << problems[i];
    EXPECT_NE(problems[0].find("0 to 10"), std::string::npos) << problems[0];
    EXPECT_NE(problems[2].find("no or yes"), std::string::npos) << problems[2];
    EXPECT_NE(problems[3].find("name = value"), std::string::npos) << problems[3];
    EXPECT_NE(problems[6].find("easy, normal or hard"), std::string::npos) << problems[6];
    EXPECT_NE(problems[7].find("race, tag or ball"), std::string::npos) << problems[7];
    EXPECT_NE(problems[8].find("\"volume\""), std::string::npos) << problems[8];
    EXPECT_EQ(s, Settings{});
}

TEST(Settings, GarbageNulBytesAndHugeLinesAreNamedNotFatal) {
    std::vector<std::string> problems;
    std::string text = "music_volume = 3";
    text += '\0';
    text += "\n";
    text += std::string("\xff\xfe\x01 = \x80\n", 8);
    text += "sky = ";
    text.append(1 << 20, 'd');
    text += "\n";
    text.append(1 << 20, '=');
    text += "\n";
    text += "effects_volume = 99999999999999999999\n";
    text += "full_screen = yes\n";
    const Settings s = read(text, &problems);
    ASSERT_EQ(problems.size(), 5u);
    EXPECT_EQ(problems[0].rfind("settings.conf:1: ", 0), 0u) << problems[0];
    EXPECT_NE(problems[0].find("\\x00"), std::string::npos) << problems[0];
    EXPECT_NE(problems[1].find("\\xff"), std::string::npos) << problems[1];
    for (const std::string& p : problems)
        EXPECT_LT(p.size(), 300u) << "a huge line is cut short in its message";
    EXPECT_EQ(s.musicVolume, Settings{}.musicVolume);
    EXPECT_EQ(s.effectsVolume, Settings{}.effectsVolume);
    EXPECT_FALSE(s.duskSky);
    EXPECT_TRUE(s.fullScreen);
}

TEST(Settings, WhatIsWrittenReadsBackTheSame) {
    // Every value of every field, each with the others varied too.
    for (int i = 0; i < 11 * 3 * 3; ++i) {
        Settings s;
        s.effectsVolume = i % 11;
        s.musicVolume = 10 - i % 11;
        s.fullScreen = i & 1;
        s.splitScreen = i & 2;
        s.duskSky = i & 4;
        s.cpuSeat[0] = i & 8;
        s.cpuSeat[1] = i & 16;
        s.cpuLevel = static_cast<CpuLevel>(i / 11 % 3);
        s.lastMatch = (GameMode[]){GAME_RACE, GAME_TAG, GAME_BALL}[i / 33];
        std::vector<std::string> problems;
        const std::string text = settingsText(s);
        EXPECT_EQ(text.rfind("#", 0), 0u) << "a header comment first";
        EXPECT_EQ(readSettings(text, "settings.conf", &problems), s) << text;
        EXPECT_TRUE(problems.empty()) << problems[0];
    }
    // Out of range, written as the nearest it can read back.
    Settings loud;
    loud.effectsVolume = 40;
    loud.musicVolume = -3;
    std::vector<std::string> problems;
    const Settings back = readSettings(settingsText(loud), "settings.conf", &problems);
    EXPECT_TRUE(problems.empty());
    EXPECT_EQ(back.effectsVolume, 10);
    EXPECT_EQ(back.musicVolume, 0);
}

} // namespace
