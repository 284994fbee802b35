#include "OutputFile.h"

#include "InterruptedOutputs.h"

#include <filesystem>

#include <sys/stat.h>
#include <unistd.h>

namespace {

/// The permissions fopen would give a new file.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

COutputFile::~COutputFile() {
    if (m_bOwnsFile && m_pFile != nullptr) {
        std::fclose(m_pFile);
    }
    RemoveTemporary();
}

void COutputFile::RemoveTemporary() {
    InterruptedOutputs::Forget(m_interruptSlot);
    m_interruptSlot = -1;
    if (!m_temporary.empty()) {
        std::remove(m_temporary.c_str());
        m_temporary.clear();
    }
}

bool COutputFile::Open(const std::string& path, std::FILE* out) {
    if (path == "-") {
        m_pFile = out;
        return true;
    }
    struct stat status {};
    const bool exists = ::stat(path.c_str(), &status) == 0;
    if (exists && !S_ISREG(status.st_mode)) {
        m_pFile = std::fopen(path.c_str(), "wb");
        m_bOwnsFile = m_pFile != nullptr;
        return m_bOwnsFile;
    }
    return OpenBeside(path, exists ? &status : nullptr);
}

/// Opens a temporary file in the target's folder, so that the rename stays on one file system. An
/// existing file keeps its permissions, and a link keeps pointing at it: the file it names is replaced.
bool COutputFile::OpenBeside(const std::string& path, const struct stat* existing) {
    const bool exists = existing != nullptr;
    if (exists && ::access(path.c_str(), W_OK) != 0) {
        return false;
    }
    std::error_code ignored;
    m_target = exists ? std::filesystem::canonical(path, ignored).string() : path;
    if (m_target.empty()) {
        m_target = path;
    }
    std::string name = m_target + ".XXXXXX";
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        return false;
    }
    m_temporary = name;
    m_interruptSlot = InterruptedOutputs::Remember(name.c_str());
    m_pFile =
        ::fchmod(fd, exists ? existing->st_mode & 07777 : newFileMode()) == 0 ? ::fdopen(fd, "wb") : nullptr;
    if (m_pFile == nullptr) {
        ::close(fd);
        return false;
    }
    m_bOwnsFile = true;
    return true;
}

bool COutputFile::Write(std::string& buffer) {
    m_bOk = std::fwrite(buffer.data(), 1, buffer.size(), m_pFile) == buffer.size() && m_bOk;
    buffer.clear();
    return m_bOk;
}

bool COutputFile::Commit() {
    if (m_temporary.empty()) {
        return m_bOk;
    }
    InterruptedOutputs::Forget(m_interruptSlot);
    m_interruptSlot = -1;
    m_bOk = m_bOk && std::rename(m_temporary.c_str(), m_target.c_str()) == 0;
    if (m_bOk) {
        m_temporary.clear();
    }
    RemoveTemporary();
    return m_bOk;
}

/// Flushes and, for a file of its own, closes; a temporary file reaches the disk before it replaces
/// the old one.
bool COutputFile::Complete() {
    if (m_pFile == nullptr) {
        return m_bOk;
    }
    bool ok = std::fflush(m_pFile) == 0;
    if (m_bOwnsFile) {
        ok = (m_temporary.empty() || ::fsync(::fileno(m_pFile)) == 0) && ok;
        ok = std::fclose(m_pFile) == 0 && ok;
        m_bOwnsFile = false;
    }
    m_pFile = nullptr;
    m_bOk = ok && m_bOk;
    return m_bOk;
}
