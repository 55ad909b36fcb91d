#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <unistd.h>

// A fresh folder under the system's temp folder, removed with everything in
// it when the test ends.
struct TempFolder {
    std::filesystem::path path;

    TempFolder() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "vk-assets-XXXXXX").string();
        path = mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }

    std::string write(const std::string& name, std::string_view bytes) const {
        std::string file = (path / name).string();
        std::FILE* out = std::fopen(file.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);
        return file;
    }
};

// Runs the rest of a scope in another working directory.
struct WorkingDirectory {
    std::filesystem::path previous = std::filesystem::current_path();
    explicit WorkingDirectory(const std::filesystem::path& folder) {
        std::filesystem::current_path(folder);
    }
    ~WorkingDirectory() { std::filesystem::current_path(previous); }
};
