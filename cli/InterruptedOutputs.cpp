#include "InterruptedOutputs.h"

#include <atomic>
#include <csignal>
#include <cstring>
#include <mutex>

#include <unistd.h>

namespace {

constexpr int kSlots = 4;
constexpr std::size_t kMaxPath = 4096;
constexpr int kSignals[] = {SIGINT, SIGTERM};

enum SlotState : int { Free, Filling, Armed };

/// Lock-free atomics, so that the handler may read them.
std::atomic<int> s_state[kSlots];
char s_path[kSlots][kMaxPath];
struct sigaction s_previous[std::size(kSignals)];

void removeAndReraise(int signal) {
    for (int i = 0; i < kSlots; ++i) {
        if (s_state[i].load() == Armed)
            ::unlink(s_path[i]);
    }
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        if (kSignals[i] == signal)
            ::sigaction(signal, &s_previous[i], nullptr);
    }
    ::raise(signal);
}

void installOnce() {
    static std::once_flag installed;
    std::call_once(installed, [] {
        struct sigaction action {};
        action.sa_handler = removeAndReraise;
        sigemptyset(&action.sa_mask);
        // A signal ignored from the start (Ctrl+C for a job in the background) stays ignored.
        for (std::size_t i = 0; i < std::size(kSignals); ++i) {
            if (::sigaction(kSignals[i], nullptr, &s_previous[i]) == 0 && s_previous[i].sa_handler != SIG_IGN)
                ::sigaction(kSignals[i], &action, nullptr);
        }
    });
}

} // namespace

namespace InterruptedOutputs {

int Remember(const char* path) {
    static_assert(std::atomic<int>::is_always_lock_free, "the signal handler reads the slots");
    const std::size_t length = std::strlen(path);
    if (length >= kMaxPath)
        return -1;
    installOnce();
    for (int i = 0; i < kSlots; ++i) {
        int expected = Free;
        if (s_state[i].compare_exchange_strong(expected, Filling)) {
            std::memcpy(s_path[i], path, length + 1);
            s_state[i].store(Armed);
            return i;
        }
    }
    return -1;
}

void Forget(int slot) {
    if (slot >= 0)
        s_state[slot].store(Free);
}

} // namespace InterruptedOutputs
