#include "DistinctOutputs.h"

#include <filesystem>

#include <sys/stat.h>

namespace {

/// What tells two outputs apart: the file where it exists, else the normal path.
struct OutputIdentity {
    bool exists = false;
    struct stat status {};
    std::filesystem::path normalPath; ///< empty for the output stream
};

OutputIdentity identify(const std::string& path, std::FILE* out) {
    OutputIdentity identity;
    if (path == "-") {
        identity.exists = ::fstat(::fileno(out), &identity.status) == 0;
        return identity;
    }
    identity.exists = ::stat(path.c_str(), &identity.status) == 0;
    std::error_code failed;
    const std::filesystem::path absolute = std::filesystem::absolute(path, failed);
    if (!failed) {
        identity.normalPath = std::filesystem::weakly_canonical(absolute, failed);
    }
    if (failed) {
        identity.normalPath = std::filesystem::path(path).lexically_normal();
    }
    return identity;
}

bool sameFile(const OutputIdentity& a, const OutputIdentity& b) {
    if (a.exists && b.exists) {
        return a.status.st_dev == b.status.st_dev && a.status.st_ino == b.status.st_ino &&
               !S_ISCHR(a.status.st_mode);
    }
    return !a.normalPath.empty() && a.normalPath == b.normalPath;
}

} // namespace

bool outputsAreDistinct(const std::vector<NamedOutput>& outputs, std::FILE* out, std::string& error) {
    std::vector<OutputIdentity> identities;
    for (const NamedOutput& output : outputs) {
        identities.push_back(identify(output.path, out));
        for (std::size_t earlier = 0; earlier + 1 < identities.size(); ++earlier) {
            if (sameFile(identities[earlier], identities.back())) {
                error = std::string(output.option) + " '" + output.path + "' is the same file as " +
                        outputs[earlier].option + " '" + outputs[earlier].path + "'";
                return false;
            }
        }
    }
    return true;
}
