#include "DataSearch.h"

#include "DataFiles.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace {

namespace fs = std::filesystem;

std::string userDataFolder(const char* xdgDataHome, const char* home) {
    if (xdgDataHome != nullptr && fs::path(xdgDataHome).is_absolute())
        return (fs::path(xdgDataHome) / "vorlint").string();
    if (home != nullptr && home[0] != '\0')
        return (fs::path(home) / ".local" / "share" / "vorlint").string();
    return {};
}

std::string installedDataFolder(const std::string& programPath) {
    const fs::path program(programPath);
    if (!program.has_parent_path())
        return {};
    return (program.parent_path().parent_path() / "share" / "vorlint").lexically_normal().string();
}

/// The running program file as the system tells it, else `argv0` made absolute.
std::string programFile(const char* argv0) {
    std::error_code error;
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (!error)
        return self.string();
    if (argv0 == nullptr || argv0[0] == '\0')
        return {};
    return fs::absolute(argv0, error).string();
}

} // namespace

std::vector<std::string> dataFileFolders(const std::string& programPath, const char* xdgDataHome,
                                         const char* home) {
    std::vector<std::string> folders{""};
    for (std::string folder : {userDataFolder(xdgDataHome, home), installedDataFolder(programPath)})
        if (!folder.empty())
            folders.push_back(std::move(folder));
    return folders;
}

void searchDataFilesFor(const char* argv0) {
    DataFiles::shared().setSearchFolders(
        dataFileFolders(programFile(argv0), std::getenv("XDG_DATA_HOME"), std::getenv("HOME")));
}
