#include "TimerFdStepTimer.h"

#include <QSocketNotifier>

#include <cstdint>

#include <sys/timerfd.h>
#include <unistd.h>

namespace {

timespec millisecondsToTimespec(int milliseconds) {
    timespec time{};
    time.tv_sec = milliseconds / 1000;
    time.tv_nsec = static_cast<long>(milliseconds % 1000) * 1000000L;
    return time;
}

} // namespace

std::unique_ptr<CTimerFdStepTimer> CTimerFdStepTimer::TryCreate() {
    const int fd = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (fd < 0)
        return nullptr;
    return std::unique_ptr<CTimerFdStepTimer>(new CTimerFdStepTimer(fd));
}

CTimerFdStepTimer::CTimerFdStepTimer(int fd)
    : m_nFd(fd), m_pNotifier(new QSocketNotifier(fd, QSocketNotifier::Read, this)) {
    m_pNotifier->setEnabled(false);
    connect(m_pNotifier, &QSocketNotifier::activated, this, &CTimerFdStepTimer::OnExpired);
}

CTimerFdStepTimer::~CTimerFdStepTimer() {
    // The notifier must stop watching before its descriptor goes.
    delete m_pNotifier;
    close(m_nFd);
}

void CTimerFdStepTimer::Start(int periodMs) {
    Arm(periodMs);
    m_nPeriodMs = periodMs;
    m_bActive = true;
    m_pNotifier->setEnabled(true);
}

void CTimerFdStepTimer::Stop() {
    // Disarming also clears the count of expirations not yet read, so no tick follows a Stop.
    Arm(0);
    m_bActive = false;
    m_pNotifier->setEnabled(false);
}

void CTimerFdStepTimer::Arm(int periodMs) {
    itimerspec schedule{};
    schedule.it_value = millisecondsToTimespec(periodMs);
    schedule.it_interval = schedule.it_value;
    timerfd_settime(m_nFd, 0, &schedule, nullptr);
}

void CTimerFdStepTimer::OnExpired() {
    // However many periods have passed since the last read, they make one tick.
    std::uint64_t expirations = 0;
    if (read(m_nFd, &expirations, sizeof expirations) != sizeof expirations || expirations == 0)
        return;
    emit tick();
}
