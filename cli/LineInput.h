#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

enum class LineRead { Line, End, Error };

/// Reads the next line of `in` into `line` without its line feed, keeping at most `maxKept` of its
/// characters: the rest of a longer line is read and dropped, so that no line, however long, takes
/// more memory than that. End when the input has no more lines; Error when reading failed (errno
/// tells why).
LineRead readLine(std::FILE* in, std::size_t maxKept, std::string& line);
