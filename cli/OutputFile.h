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
    ~COutputFile();

    /// Opens `path`, or takes `out` for "-"; false (with errno set) when the file cannot be opened.
    bool Open(const std::string& path, std::FILE* out);
    /// Writes the buffer and empties it.
    void Write(std::string& buffer);
    /// Flushes and closes; false when anything could not be written.
    bool Finish();

private:
    std::FILE* m_pFile = nullptr;
    bool m_bOwnsFile = false;
    bool m_bOk = true;
};
