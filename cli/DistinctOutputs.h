#pragma once

#include <cstdio>
#include <string>
#include <vector>

/// One of a command's results and the option that names it; "-" is the output stream.
struct NamedOutput {
    const char* option;
    std::string path;
};

/// False, with the reason in `error`, when two of `outputs` are one file: the same path once made
/// absolute and normal (through the links that exist), or, where both exist, the same device and inode
/// ("-" stands for `out`'s file). Each would overwrite the other. A terminal or another character device
/// such as /dev/null may take several, since none of them can overwrite another there.
bool outputsAreDistinct(const std::vector<NamedOutput>& outputs, std::FILE* out, std::string& error);
