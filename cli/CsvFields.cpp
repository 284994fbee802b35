#include "CsvFields.h"

namespace {

bool needsQuotes(const std::string& text) {
    return text.find_first_of(",\"\r\n") != std::string::npos;
}

/// Reads the rest of a quoted field from just after its opening quote; false when it is never closed
/// or a character other than a separator follows its closing quote.
bool readQuoted(const std::string& text, std::size_t& at, std::string& field, std::size_t& line) {
    for (;;) {
        const std::size_t quote = text.find('"', at);
        if (quote == std::string::npos)
            return false;
        for (std::size_t i = at; i < quote; ++i)
            line += text[i] == '\n' ? 1 : 0;
        field.append(text, at, quote - at);
        at = quote + 1;
        if (at < text.size() && text[at] == '"') {
            field += '"';
            ++at;
            continue;
        }
        return at == text.size() || text[at] == ',' || text[at] == '\n' ||
               (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n');
    }
}

void readPlain(const std::string& text, std::size_t& at, std::string& field) {
    const std::size_t end = text.find_first_of(",\r\n", at);
    const std::size_t stop = end == std::string::npos ? text.size() : end;
    field.append(text, at, stop - at);
    at = stop;
    // A lone CR inside a field is the field's own.
    while (at < text.size() && text[at] == '\r' && (at + 1 >= text.size() || text[at + 1] != '\n')) {
        field += '\r';
        readPlain(text, ++at, field);
    }
}

} // namespace

std::string csvField(const std::string& text) {
    if (!needsQuotes(text))
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + '"';
}

std::string csvRow(const std::vector<std::string>& fields) {
    std::string row;
    for (std::size_t i = 0; i < fields.size(); ++i)
        row += (i == 0 ? "" : ",") + csvField(fields[i]);
    return row + "\r\n";
}

bool parseCsv(const std::string& text, std::vector<std::vector<std::string>>& rows, std::string& problem) {
    rows.clear();
    std::size_t at = 0;
    std::size_t line = 1;
    while (at < text.size()) {
        std::vector<std::string> row(1);
        const std::size_t rowLine = line;
        for (;;) {
            if (at < text.size() && text[at] == '"') {
                ++at;
                if (!readQuoted(text, at, row.back(), line)) {
                    problem = "line " + std::to_string(rowLine) +
                              ": a quoted field is not closed where it should be";
                    return false;
                }
            } else {
                readPlain(text, at, row.back());
            }
            if (at < text.size() && text[at] == ',') {
                ++at;
                row.emplace_back();
                continue;
            }
            break;
        }
        at += at < text.size() && text[at] == '\r' ? 2 : at < text.size() ? 1 : 0;
        ++line;
        rows.push_back(std::move(row));
    }
    return true;
}
