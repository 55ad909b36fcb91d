#include "shell/AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string quotedPath(const std::string& path) {
    return "\"" + path + "\"";
}

// Every folder on the way to folder, made if missing.
bool makeFolders(const std::string& folder, std::string* why) {
    for (size_t slash = 1; slash <= folder.size(); ++slash) {
        if (slash < folder.size() && folder[slash] != '/')
            continue;
        const std::string part = folder.substr(0, slash);
        if (mkdir(part.c_str(), 0755) == 0 || errno == EEXIST) {
            struct stat st;
            if (stat(part.c_str(), &st) == 0 && S_ISDIR(st.st_mode))
                continue;
            errno = ENOTDIR;
        }
        *why = "cannot make the folder " + quotedPath(part) + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

// All of the bytes, through short writes and interruptions.
bool writeAll(int fd, const std::string& text) {
    for (size_t done = 0; done < text.size();) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

} // namespace

bool writeFileAtomically(const std::string& path, const std::string& text, std::string* error) {
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash);
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    auto fail = [&](const std::string& why) {
        *error = quotedPath(path) + ": " + why;
        return false;
    };
    if (base.empty())
        return fail("not a file name");
    std::string why;
    if (!folder.empty() && !makeFolders(folder, &why))
        return fail(why);

    std::string temporary = (folder.empty() ? "" : folder) + "/." + base + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0)
        return fail("cannot make a temporary file in " + quotedPath(folder.empty() ? "/" : folder) +
                    ": " + std::strerror(errno));
    struct stat old;
    const mode_t mode = stat(path.c_str(), &old) == 0 ? old.st_mode & 07777 : 0644;
    const char* step = nullptr;
    if (fchmod(fd, mode) != 0)
        step = "cannot set its permissions";
    else if (!writeAll(fd, text))
        step = "cannot write";
    else if (fsync(fd) != 0)
        step = "cannot flush it to the disk";
    const int saved = errno;
    if (close(fd) != 0 && step == nullptr)
        step = "cannot write";
    else
        errno = saved;
    if (step == nullptr && rename(temporary.c_str(), path.c_str()) != 0)
        step = "cannot replace it";
    if (step != nullptr) {
        const std::string reason = std::strerror(errno);
        unlink(temporary.c_str());
        return fail(std::string(step) + ": " + reason);
    }
    // The rename itself lasts once the folder is on the disk too; a folder
    // that cannot be flushed leaves the file written all the same.
    const int dir = open(folder.empty() ? "/" : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
    return true;
}
