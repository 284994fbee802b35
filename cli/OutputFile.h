#pragma once

#include <cstdio>
#include <string>

/// Where a command writes one of its results: the output stream ("-"), or a file that is closed
/// (and checked) at the end, so that a full disk is reported rather than taken for success.
class COutputFile {
public:
    COutputFile() = default;
    COutputFile(const COutputFile&) = delete;
    COutputFile& operator=(const COutputFile&) = delete;
    /// Closes a file that Finish did not, as when a run ends by running out of memory.
    ~COutputFile();

    /// Opens `path`, or takes `out` for "-"; false (with errno set) when the file cannot be opened.
    bool Open(const std::string& path, std::FILE* out);
    /// Writes and empties `buffer`; false when this or an earlier write failed.
    bool Write(std::string& buffer);
    /// Flushes and closes; false when anything could not be written.
    bool Finish();

private:
    std::FILE* m_pFile = nullptr;
    bool m_bOwnsFile = false;
    bool m_bOk = true;
};
