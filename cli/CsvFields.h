#pragma once

#include <string>
#include <vector>

// Comma-separated values as RFC 4180 writes them, which every spreadsheet reads: a field holding a
// comma, a quote or a line break is quoted, its quotes doubled.

/// `text` as one field of a row.
std::string csvField(const std::string& text);

/// The fields as one row, ended by CRLF as the RFC has it.
std::string csvRow(const std::vector<std::string>& fields);

/// Reads every row of `text` (lines ended by CRLF or LF, the last one's end optional), quoted fields
/// included; false with what is wrong and on which line (from 1) in `problem` for a quote left open or
/// text after a closing quote.
bool parseCsv(const std::string& text, std::vector<std::vector<std::string>>& rows, std::string& problem);
