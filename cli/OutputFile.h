#pragma once

#include <cstdio>
#include <string>

struct stat;

/// Where a command writes one of its results: the output stream ("-"), or a file that is closed
/// (and checked) at the end, so that a full disk is reported rather than taken for success. A regular
/// file, or one that does not exist yet, is written to a temporary file beside it that Finish renames
/// over it: a run that fails leaves the file as it was, never half written. A device or a pipe is
/// written in place.
class COutputFile {
public:
    COutputFile() = default;
    COutputFile(const COutputFile&) = delete;
    COutputFile& operator=(const COutputFile&) = delete;
    /// Closes a file that Finish did not, as when a run ends by running out of memory, and removes its
    /// temporary file.
    ~COutputFile();

    /// Opens `path`, or takes `out` for "-"; false (with errno set) when the file cannot be opened.
    bool Open(const std::string& path, std::FILE* out);
    /// Writes and empties `buffer`; false when this or an earlier write failed.
    bool Write(std::string& buffer);
    /// Flushes and closes, then puts the file in its place; false when anything could not be written,
    /// and then the temporary file is removed.
    bool Finish();

private:
    bool OpenBeside(const std::string& path, const struct stat* existing);
    bool Close();

    std::FILE* m_pFile = nullptr;
    bool m_bOwnsFile = false;
    bool m_bOk = true;
    std::string m_target;    // the file that the temporary one replaces
    std::string m_temporary; // empty when the file is written in place
};
