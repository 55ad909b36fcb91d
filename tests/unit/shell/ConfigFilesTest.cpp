#include "shell/ConfigFiles.h"

#include "../assets/TempFolder.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The settings folder pointed somewhere of the test's own, and back.
struct ConfigHome {
    std::optional<std::string> xdg, home;
    explicit ConfigHome(const std::string& folder) {
        if (const char* v = std::getenv("XDG_CONFIG_HOME"))
            xdg = v;
        if (const char* v = std::getenv("HOME"))
            home = v;
        if (folder.empty()) {
            unsetenv("XDG_CONFIG_HOME");
            unsetenv("HOME");
        } else {
            setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
        }
    }
    ~ConfigHome() {
        xdg ? setenv("XDG_CONFIG_HOME", xdg->c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
        home ? setenv("HOME", home->c_str(), 1) : unsetenv("HOME");
    }
};

// What a run of f writes on standard error, in a child process of its own:
// what saveSettings remembers about earlier failures starts afresh there.
std::string stderrOfChild(void (*f)()) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return "no pipe";
    std::fflush(stderr);
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], 2);
        close(pipeEnds[0]);
        f();
        std::fflush(stderr);
        _exit(0);
    }
    close(pipeEnds[1]);
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(pipeEnds[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<size_t>(n));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        text += "[the child failed, status " + std::to_string(status) + "]";
    return text;
}

TEST(SettingsFile, SavedSettingsLoadBackAndNoFileIsTheDefaultsSilently) {
    TempFolder tmp;
    ConfigHome config(tmp.path / "config");
    testing::internal::CaptureStderr();
    const Settings none = loadSettings();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_EQ(none, Settings{});

    Settings s;
    s.musicVolume = 0;
    s.splitScreen = false;
    s.cpuSeat[1] = true;
    s.lastMatch = GAME_TAG;
    saveSettings(s);
    const fs::path file = tmp.path / "config" / "vorlane-kart" / "settings.conf";
    EXPECT_EQ(contents(file), settingsText(s));
    testing::internal::CaptureStderr();
    EXPECT_EQ(loadSettings(), s);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

TEST(SettingsFile, BadLinesAndAnUnreadableFileAreNamedOnStandardError) {
    TempFolder tmp;
    ConfigHome config(tmp.path);
    fs::create_directory(tmp.path / "vorlane-kart");
    const std::string path = tmp.write("vorlane-kart/settings.conf", "sky = dusk\nsky = green\n");
    testing::internal::CaptureStderr();
    const Settings s = loadSettings();
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_EQ(said.rfind("vorlane-kart: " + path + ":2: ", 0), 0u) << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_TRUE(s.duskSky);

    fs::remove(path);
    fs::create_directory(path); // a folder by the file's name
    testing::internal::CaptureStderr();
    EXPECT_EQ(loadSettings(), Settings{});
    const std::string unreadable = testing::internal::GetCapturedStderr();
    EXPECT_EQ(unreadable.rfind("vorlane-kart: cannot read settings \"" + path + "\": ", 0), 0u)
        << unreadable;
    EXPECT_EQ(std::count(unreadable.begin(), unreadable.end(), '\n'), 1) << unreadable;
}

TEST(SettingsFile, AFailedSaveIsNamedOnceARunAndNoFolderKnownSavesNothing) {
    // /dev/null is no folder, for root too: the settings folder under it
    // cannot be made.
    ConfigHome config("/dev/null");
    const std::string said = stderrOfChild([] {
        saveSettings(Settings{});
        Settings other;
        other.duskSky = true;
        saveSettings(other);
    });
    const std::string start =
        "vorlane-kart: cannot save settings \"/dev/null/vorlane-kart/settings.conf\": ";
    EXPECT_EQ(said.rfind(start, 0), 0u) << said;
    EXPECT_GT(said.size(), start.size() + 1) << "the reason is given: " << said;
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(said.back(), '\n') << said;

    ConfigHome nowhere("");
    EXPECT_EQ(configFolder(), "");
    EXPECT_EQ(stderrOfChild([] { saveSettings(Settings{}); }), "");
    std::string error;
    EXPECT_FALSE(saveControl("player1.fire", "t", &error));
    EXPECT_FALSE(error.empty());
}

TEST(ControlsFileSaving, ABindingIsWrittenIntoTheFileKeepingTheRest) {
    TempFolder tmp;
    ConfigHome config(tmp.path);
    std::string error;
    // No file yet: one is made, folder and all.
    ASSERT_TRUE(saveControl("player1.fire", "t", &error)) << error;
    const fs::path file = tmp.path / "vorlane-kart" / "controls.conf";
    EXPECT_EQ(contents(file), "player1.fire = t\n");

    tmp.write("vorlane-kart/controls.conf", "# my own\r\nplayer1.fire = t # was r\r\n");
    ASSERT_TRUE(saveControl("player1.fire", "space", &error)) << error;
    ASSERT_TRUE(saveControl("player2.pad.pause", "y", &error)) << error;
    EXPECT_EQ(contents(file),
              "# my own\r\nplayer1.fire = space # was r\r\nplayer2.pad.pause = y\r\n");

    // A file it cannot read is left alone.
    fs::remove(file);
    fs::create_directories(file / "x");
    EXPECT_FALSE(saveControl("player1.fire", "t", &error));
    EXPECT_NE(error.find('"' + file.string() + '"'), std::string::npos) << error;
    EXPECT_TRUE(fs::is_directory(file / "x"));
}

} // namespace
