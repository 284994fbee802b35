#include "GradeOptions.h"

#include "JobCount.h"

namespace {

/// Takes the option at args[index] (and its value); false with the reason in `error`.
bool takeOption(const Arguments& args, std::size_t& index, GradeOptions& options, std::string& error) {
    const std::string& option = args[index];
    if (option == "--help") {
        options.help = true;
        return true;
    }
    if (option == "--no-header") {
        options.header = false;
        return true;
    }
    if (option != "--sheet" && option != "--jobs") {
        error = "unknown option '" + option + "'";
        return false;
    }
    std::string value;
    if (!takeOptionValue(args, index, value) || value.empty()) {
        error = option + " needs a value";
        return false;
    }
    if (option == "--jobs")
        return parseJobCount(value, options.jobs, error);
    options.sheet = value;
    return true;
}

} // namespace

bool parseGradeOptions(const Arguments& args, GradeOptions& options, std::string& error) {
    std::vector<std::string> files;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i].rfind("--", 0) == 0) {
            if (!takeOption(args, i, options, error))
                return false;
        } else {
            files.push_back(args[i]);
        }
    }
    if (options.help)
        return true;
    if (files.size() < 2) {
        error = "expected the teacher's .vrl file and at least one student's";
        return false;
    }
    options.master = files[0];
    options.students.assign(files.begin() + 1, files.end());
    return true;
}
