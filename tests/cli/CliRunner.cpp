#include "CliRunner.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <thread>

extern char** environ;

namespace {

/// A temporary file removed when it goes out of scope.
class TempFile {
public:
    explicit TempFile(const std::string& content = std::string()) {
        char pattern[] = "cli_test_XXXXXX";
        const int fd = mkstemp(pattern);
        EXPECT_GE(fd, 0) << "cannot create a temporary file";
        m_path = pattern;
        if (fd >= 0) {
            EXPECT_EQ(write(fd, content.data(), content.size()), static_cast<ssize_t>(content.size()));
            close(fd);
        }
    }
    ~TempFile() { std::remove(m_path.c_str()); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::string& path() const { return m_path; }
    std::string content() const {
        std::ifstream in(m_path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

private:
    std::string m_path;
};

/// Waits for the child; kills it once `timeoutSeconds` have passed. Its wait status, or -1 when it was
/// killed.
int waitOrKill(pid_t child, int timeoutSeconds) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    int waitStatus = 0;
    while (waitpid(child, &waitStatus, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &waitStatus, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return waitStatus;
}

} // namespace

CliRun runCommand(const std::vector<std::string>& command, const std::string& input, int timeoutSeconds) {
    TempFile in(input), out, err;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, in.path().c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, out.path().c_str(), O_WRONLY | O_TRUNC, 0);
    posix_spawn_file_actions_addopen(&actions, 2, err.path().c_str(), O_WRONLY | O_TRUNC, 0);

    std::vector<std::string> words = command;
    std::vector<char*> argv;
    for (std::string& arg : words) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    CliRun run;
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    EXPECT_EQ(spawned, 0) << "cannot start " << command[0];
    const int waitStatus = spawned == 0 ? waitOrKill(child, timeoutSeconds) : -1;
    if (waitStatus != -1 && WIFEXITED(waitStatus)) {
        run.status = WEXITSTATUS(waitStatus);
    }
    run.out = out.content();
    run.err = err.content();
    return run;
}

CliRun runCli(const std::vector<std::string>& args, const std::string& input, int timeoutSeconds) {
    std::vector<std::string> command{VORLINT_CLI_PATH};
    command.insert(command.end(), args.begin(), args.end());
    return runCommand(command, input, timeoutSeconds);
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}
