#pragma once

#include <cstddef>
#include <string>
#include <string_view>

/// Reads the data files line by line the way they were written for: LF or CR LF line ends, leading
/// white space stripped, trailing white space kept, and a length limit per read.
class LineReader {
public:
    /// Reads from `content`, which must outlive the reader.
    explicit LineReader(std::string_view content) : rest(content) {}

    /// The next line, cut to `limit` characters (the rest of a longer line is skipped) and stripped of
    /// leading white space. A read that finds nothing more yields an empty line and sets `atEnd`.
    std::string_view next(std::size_t limit);

    /// True once a read has met the end of the file.
    bool atEnd() const { return endMet; }

private:
    std::string_view rest;
    bool endMet = false;
};
