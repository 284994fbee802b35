#include "JobCount.h"

#include "NumberText.h"
#include "QuotedValue.h"

#include <algorithm>
#include <thread>

bool parseJobCount(const std::string& value, unsigned& jobs, std::string& error) {
    std::uint64_t count = 0;
    if (!parseCount(value, kMaxJobs, count) || count == 0) {
        error = "--jobs needs a whole number from 1 to " + std::to_string(kMaxJobs) + ", not " + quoted(value);
        return false;
    }
    jobs = static_cast<unsigned>(count);
    return true;
}

unsigned threadsToRun(unsigned asked, const char* command, std::FILE* err) {
    const unsigned hardware = std::max(1u, std::thread::hardware_concurrency());
    const unsigned most = kJobsPerHardwareThread * hardware;
    if (asked == 0)
        return hardware;
    if (asked > most) {
        std::fprintf(err, "vorlint-cli %s: running %u threads, not %u: at most %u per hardware thread\n",
                     command, most, asked, kJobsPerHardwareThread);
        return most;
    }
    return asked;
}
