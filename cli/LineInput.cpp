#include "LineInput.h"

LineRead readLine(std::FILE* in, std::size_t maxKept, std::string& line) {
    line.clear();
    bool readAny = false;
    int c = 0;
    while ((c = std::getc(in)) != EOF && c != '\n') {
        readAny = true;
        if (line.size() < maxKept) {
            line += static_cast<char>(c);
        }
    }
    if (c == EOF && std::ferror(in)) {
        return LineRead::Error;
    }
    return c == EOF && !readAny ? LineRead::End : LineRead::Line;
}
