#include "assets/AseReader.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

// The entry points and the reading of whole files; the two ways through a
// text are in AseOnePass.cpp and AseWordByWord.cpp.

bool parseAse(const char* text, size_t size, Model* model, AseReport* report) {
    AseReport scratch;
    if (!report)
        report = &scratch;
    if (!model || (!text && size > 0))
        return false;
    return readAseOnePass(text, size, model, report) ||
           parseAseWordByWord(text, size, model, report);
}

namespace {

// A file's bytes, not zeroed first: they are all read over.
struct FileBytes {
    std::unique_ptr<char[]> data;
    size_t size = 0;
};

std::string tooLarge() {
    return "the file is larger than " + std::to_string(MAX_ASE_FILE_BYTES >> 20) + " MiB";
}

// The whole file in one read when its size is known, or an error text. A file
// that grows or shrinks meanwhile is read as far as it goes.
bool readWholeFile(int fd, FileBytes* bytes, std::string* error) {
    struct stat status;
    size_t capacity = 1 << 16;
    if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size >= 0) {
        if (static_cast<unsigned long long>(status.st_size) > MAX_ASE_FILE_BYTES) {
            *error = tooLarge();
            return false;
        }
        capacity = static_cast<size_t>(status.st_size) + 1; // the 1 finds the end
    }
    bytes->data.reset(new char[capacity]);
    for (;;) {
        if (bytes->size == capacity) {
            if (capacity > MAX_ASE_FILE_BYTES) {
                *error = tooLarge();
                return false;
            }
            size_t larger =
                capacity * 2 < MAX_ASE_FILE_BYTES + 1 ? capacity * 2 : MAX_ASE_FILE_BYTES + 1;
            std::unique_ptr<char[]> grown(new char[larger]);
            std::memcpy(grown.get(), bytes->data.get(), bytes->size);
            bytes->data = std::move(grown);
            capacity = larger;
        }
        ssize_t n = read(fd, bytes->data.get() + bytes->size, capacity - bytes->size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *error = std::strerror(errno);
            return false;
        }
        if (n == 0)
            break;
        bytes->size += static_cast<size_t>(n);
    }
    if (bytes->size > MAX_ASE_FILE_BYTES) {
        *error = tooLarge();
        return false;
    }
    return true;
}

} // namespace

bool loadAse(Model* model, const char* path) {
    if (!model || !path)
        return false;
    int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        // The game carries on with an empty model: one line says which.
        std::fprintf(stderr, "Error: Unable to find or open the file: %s\n", path);
        return false;
    }
    // Straight from the file in pieces when the one pass takes it; whole
    // otherwise.
    AseReport report;
    bool read = readAseFileOnePass(fd, model, &report);
    std::string error;
    if (!read) {
        // A pipe was not read from: the one pass takes regular files only.
        FileBytes contents;
        bool whole = lseek(fd, 0, SEEK_SET) == 0 || errno == ESPIPE;
        if (!whole)
            error = std::strerror(errno);
        whole = whole && readWholeFile(fd, &contents, &error);
        if (whole && !parseAse(contents.data.get(), contents.size, model, &report))
            error = report.error;
        read = whole && error.empty();
    }
    close(fd);
    if (!read) {
        std::fprintf(stderr, "Error: The model file \"%s\" is refused: %s\n", path, error.c_str());
        return false;
    }
    if (report.skippedLines > 0 || report.droppedFaces > 0)
        std::fprintf(stderr,
                     "Warning: The model file \"%s\" has %d unreadable lines and %d faces "
                     "naming missing vertices; they were skipped\n",
                     path, report.skippedLines, report.droppedFaces);
    return true;
}
