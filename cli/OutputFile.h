#pragma once

#include <cstdio>
#include <string>

struct stat;

/// Where a command writes one of its results: the output stream ("-"), or a file that is closed
/// (and checked) at the end, so that a full disk is reported rather than taken for success. A regular
/// file, or one that does not exist yet, is written to a temporary file beside it that Commit renames
/// over it: a run that fails, or that Ctrl+C or SIGTERM stops, leaves the file as it was, never half
/// written. A device or a pipe is written in place. The results of one run are all completed before
/// any is committed, so that they replace their files together or not at all.
class COutputFile {
public:
    COutputFile() = default;
    COutputFile(const COutputFile&) = delete;
    COutputFile& operator=(const COutputFile&) = delete;
    /// Closes a file that Complete did not, as when a run ends by running out of memory, and removes a
    /// temporary file that Commit did not put in place.
    ~COutputFile();

    /// Opens `path`, or takes `out` for "-"; false (with errno set) when the file cannot be opened.
    bool Open(const std::string& path, std::FILE* out);
    /// Writes and empties `buffer`; false when this or an earlier write failed.
    bool Write(std::string& buffer);
    /// Flushes and closes; false when anything could not be written.
    bool Complete();
    /// Puts a completed file in its place; false when it could not be.
    bool Commit();

private:
    bool OpenBeside(const std::string& path, const struct stat* existing);
    void RemoveTemporary();

    std::FILE* m_pFile = nullptr;
    bool m_bOwnsFile = false;
    bool m_bOk = true;
    std::string m_target;     // the file that the temporary one replaces
    std::string m_temporary;  // empty when the file is written in place
    int m_interruptSlot = -1; // where the temporary file is kept for removal on Ctrl+C
};
