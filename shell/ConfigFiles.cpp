#include "shell/ConfigFiles.h"

#include "app/ControlsFile.h"
#include "app/World.h"
#include "shell/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

enum class Read { OK, MISSING, FAILED };

// The whole file into *text; on FAILED, *why is the system's reason.
Read readWholeFile(const std::string& path, std::string* text, std::string* why) {
    text->clear();
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        if (errno == ENOENT || errno == ENOTDIR) // no file, or no folder for one
            return Read::MISSING;
        *why = std::strerror(errno);
        return Read::FAILED;
    }
    char buffer[16384];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *why = std::strerror(errno); // a folder by that name fails here
            close(fd);
            return Read::FAILED;
        }
        if (n == 0)
            break;
        text->append(buffer, static_cast<size_t>(n));
    }
    close(fd);
    return Read::OK;
}

} // namespace

std::string configFolder() {
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/')
        return std::string(xdg) + "/vorlane-kart";
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0')
        return std::string(home) + "/.config/vorlane-kart";
    return "";
}

void loadControls(World& world) {
    const std::string folder = configFolder();
    if (folder.empty())
        return;
    const std::string path = folder + "/controls.conf";
    std::string text, why;
    const Read got = readWholeFile(path, &text, &why);
    if (got == Read::FAILED)
        std::fprintf(stderr, "vorlane-kart: cannot read \"%s\": %s\n", path.c_str(), why.c_str());
    if (got != Read::OK)
        return; // no file, nothing to say
    std::vector<std::string> problems;
    const ControlsChoice choice = readControls(text, path, &problems);
    for (const std::string& problem : problems)
        std::fprintf(stderr, "vorlane-kart: %s\n", problem.c_str());
    world.bindings = choice.keys;
    world.padLayouts[0] = choice.pads[0];
    world.padLayouts[1] = choice.pads[1];
}

bool saveControl(const std::string& name, const std::string& value, std::string* error) {
    const std::string folder = configFolder();
    if (folder.empty()) {
        *error = "no settings folder: neither XDG_CONFIG_HOME nor HOME is set";
        return false;
    }
    const std::string path = folder + "/controls.conf";
    std::string text, why;
    // A file that cannot be read is not replaced: it holds the player's own.
    if (readWholeFile(path, &text, &why) == Read::FAILED) {
        *error = "\"" + path + "\": cannot read it: " + why;
        return false;
    }
    return writeFileAtomically(path, rewriteControls(text, name, value), error);
}

Settings loadSettings() {
    const std::string folder = configFolder();
    if (folder.empty())
        return Settings{};
    const std::string path = folder + "/settings.conf";
    std::string text, why;
    const Read got = readWholeFile(path, &text, &why);
    if (got == Read::FAILED)
        std::fprintf(stderr, "vorlane-kart: cannot read settings \"%s\": %s\n", path.c_str(),
                     why.c_str());
    if (got != Read::OK)
        return Settings{};
    std::vector<std::string> problems;
    const Settings settings = readSettings(text, path, &problems);
    for (const std::string& problem : problems)
        std::fprintf(stderr, "vorlane-kart: %s\n", problem.c_str());
    return settings;
}

void saveSettings(const Settings& settings) {
    static bool complained = false; // once a run: menus save on every change
    const std::string folder = configFolder();
    if (folder.empty())
        return;
    std::string error;
    if (!writeFileAtomically(folder + "/settings.conf", settingsText(settings), &error) &&
        !complained) {
        complained = true;
        std::fprintf(stderr, "vorlane-kart: cannot save settings %s\n", error.c_str());
    }
}
