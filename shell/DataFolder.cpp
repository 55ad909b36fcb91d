#include "shell/DataFolder.h"

#include <sys/stat.h>

namespace {

bool holdsData(const std::string& folder) {
    struct stat info;
    return stat((folder + "/" + DATA_MARKER).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string parentOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

DataFolder findDataFolder(const std::string& workingDirectory, const std::string& exePath,
                          const std::string& fromBin, const std::string& installedFolder) {
    DataFolder data;
    data.searched.push_back(workingDirectory);
    if (holdsData(workingDirectory)) {
        data.found = true;
        return data;
    }
    std::vector<std::string> candidates;
    if (!exePath.empty()) {
        const std::string bin = parentOf(exePath);
        if (!fromBin.empty())
            candidates.push_back(bin + "/" + fromBin);
        candidates.push_back(bin + "/data");
    }
    if (!installedFolder.empty())
        candidates.push_back(installedFolder);
    for (const std::string& folder : candidates) {
        data.searched.push_back(folder);
        if (holdsData(folder)) {
            data.folder = folder;
            data.found = true;
            return data;
        }
    }
    return data;
}
