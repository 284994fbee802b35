#pragma once

#include <fstream>
#include <string>
#include <vector>

/// A file of the hostile corpus and the problem every reader must give for it ("ok": it is read).
struct HostileVrl {
    std::string path;
    std::string problem;
};

/// The corpus as verdicts.tsv lists it.
inline std::vector<HostileVrl> hostileVrlFiles() {
    const std::string folder = VORLINT_HOSTILE_VRL_DIR;
    std::ifstream list(folder + "/verdicts.tsv");
    std::vector<HostileVrl> files;
    std::string line;
    while (std::getline(list, line)) {
        const std::size_t tab = line.find('\t');
        if (tab != std::string::npos)
            files.push_back({folder + "/" + line.substr(0, tab), line.substr(tab + 1)});
    }
    return files;
}
