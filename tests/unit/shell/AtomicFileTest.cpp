#include "shell/AtomicFile.h"

#include "../assets/TempFolder.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/resource.h>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The names in a folder, to see that no temporary file is left behind.
std::string listing(const fs::path& folder) {
    std::string names;
    for (const auto& entry : fs::directory_iterator(folder))
        names += entry.path().filename().string() + " ";
    return names;
}

mode_t modeOf(const fs::path& p) {
    struct stat st;
    stat(p.c_str(), &st);
    return st.st_mode & 07777;
}

TEST(WriteFileAtomically, WritesANewFileAndReplacesAnOldOneKeepingItsPermissions) {
    TempFolder tmp;
    const fs::path file = tmp.path / "settings.conf";
    std::string error;
    ASSERT_TRUE(writeFileAtomically(file, std::string("one\0two\n", 8), &error)) << error;
    EXPECT_EQ(contents(file), std::string("one\0two\n", 8));
    EXPECT_EQ(modeOf(file), 0644u);
    chmod(file.c_str(), 0600);
    ASSERT_TRUE(writeFileAtomically(file, "three\n", &error)) << error;
    EXPECT_EQ(contents(file), "three\n");
    EXPECT_EQ(modeOf(file), 0600u);
    ASSERT_TRUE(writeFileAtomically(file, "", &error)) << error;
    EXPECT_EQ(contents(file), "");
    EXPECT_EQ(listing(tmp.path), "settings.conf ");
}

TEST(WriteFileAtomically, MakesTheMissingFoldersOnTheWay) {
    TempFolder tmp;
    const mode_t mask = umask(022);
    const fs::path file = tmp.path / "config" / "vorlane-kart" / "controls.conf";
    std::string error;
    EXPECT_TRUE(writeFileAtomically(file, "player1.fire = t\n", &error)) << error;
    umask(mask);
    EXPECT_EQ(contents(file), "player1.fire = t\n");
    EXPECT_EQ(modeOf(tmp.path / "config"), 0755u);
    EXPECT_EQ(modeOf(tmp.path / "config" / "vorlane-kart"), 0755u);
    EXPECT_EQ(listing(file.parent_path()), "controls.conf ");
}

TEST(WriteFileAtomically, AFailureSaysWhereAndWhyAndLeavesNoTemporaryFile) {
    TempFolder tmp;
    std::string error;

    // A folder by the file's name: the temporary file is written, the
    // rename fails, whoever runs the test.
    fs::create_directories(tmp.path / "taken" / "inside");
    EXPECT_FALSE(writeFileAtomically(tmp.path / "taken", "x\n", &error));
    EXPECT_NE(error.find('"' + (tmp.path / "taken").string() + '"'), std::string::npos) << error;
    EXPECT_NE(error.find("directory"), std::string::npos) << error; // the system's reason
    EXPECT_EQ(listing(tmp.path), "taken ");

    // A folder that cannot be written. Permissions do not stop root, so
    // then the folder is a path through a regular file instead.
    const fs::path locked = tmp.path / "locked";
    fs::create_directory(locked);
    chmod(locked.c_str(), 0555);
    fs::path target = locked / "settings.conf";
    std::FILE* probe = std::fopen((locked / "probe").c_str(), "w");
    if (probe != nullptr) {
        std::fclose(probe);
        fs::remove(locked / "probe");
        tmp.write("plain", "a file, not a folder\n");
        target = tmp.path / "plain" / "vorlane-kart" / "settings.conf";
        std::printf("Permissions do not stop this user: writing under a regular file instead\n");
    }
    error.clear();
    EXPECT_FALSE(writeFileAtomically(target, "x\n", &error));
    EXPECT_NE(error.find('"' + target.string() + '"'), std::string::npos) << error;
    EXPECT_GT(error.size(), target.string().size() + 4) << error;
    EXPECT_EQ(listing(locked), "");
    chmod(locked.c_str(), 0755);
}

TEST(WriteFileAtomically, AWriteCutShortLeavesTheOldFileWhole) {
    // The file size limit fails the write part way, as a full disk would.
    TempFolder tmp;
    const fs::path file = tmp.write("settings.conf", "the old settings\n");
    rlimit limit;
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit saved = limit;
    limit.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    std::string error;
    const bool wrote = writeFileAtomically(file, std::string(100000, 'x'), &error);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(wrote);
    EXPECT_NE(error.find('"' + file.string() + '"'), std::string::npos) << error;
    EXPECT_NE(error.find("large"), std::string::npos) << error; // "File too large"
    EXPECT_EQ(contents(file), "the old settings\n");
    EXPECT_EQ(listing(tmp.path), "settings.conf ");
}

} // namespace
