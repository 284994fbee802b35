#include "QtStepTimer.h"
#ifdef __linux__
#include "TimerFdStepTimer.h"
#endif

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

namespace {

struct TimerKind {
    const char* name;
    std::function<std::unique_ptr<CStepTimer>()> create;
};

class StepTimerTest : public ::testing::TestWithParam<TimerKind> {
protected:
    void SetUp() override {
        m_pTimer = GetParam().create();
        ASSERT_NE(m_pTimer, nullptr);
        QObject::connect(m_pTimer.get(), &CStepTimer::tick, [this] { ++m_nTicks; });
    }

    /// Runs the event loop for about `ms` milliseconds; returns the time it really ran.
    static qint64 RunEventLoop(int ms) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        return clock.elapsed();
    }

    std::unique_ptr<CStepTimer> m_pTimer;
    int m_nTicks = 0;
};

TEST_P(StepTimerTest, TicksAtMostOncePerPeriodUntilStopped) {
    EXPECT_EQ(m_pTimer->PeriodMs(), CStepTimer::kDefaultPeriodMs);
    constexpr int kPeriodMs = 5;
    m_pTimer->Start(kPeriodMs);
    EXPECT_TRUE(m_pTimer->IsActive());
    const qint64 elapsed = RunEventLoop(100);
    EXPECT_GE(m_nTicks, 1);
    EXPECT_LE(m_nTicks, elapsed / kPeriodMs + 1);

    m_pTimer->Stop();
    const int ticksAtStop = m_nTicks;
    RunEventLoop(30);
    EXPECT_EQ(m_nTicks, ticksAtStop);
    EXPECT_FALSE(m_pTimer->IsActive());
    EXPECT_EQ(m_pTimer->PeriodMs(), kPeriodMs);
}

TEST_P(StepTimerTest, PeriodsMissedWhileTheThreadWasBusyGiveOneTickNotABurst) {
    m_pTimer->Start(1);
    std::this_thread::sleep_for(std::chrono::milliseconds(40));
    QCoreApplication::processEvents();
    EXPECT_GE(m_nTicks, 1);
    EXPECT_LE(m_nTicks, 2) << "forty periods passed";
}

INSTANTIATE_TEST_SUITE_P(Platforms, StepTimerTest,
                         ::testing::Values(
#ifdef __linux__
                             TimerKind{"TimerFd", [] { return CTimerFdStepTimer::TryCreate(); }},
#endif
                             TimerKind{"QTimer", [] { return std::make_unique<CQtStepTimer>(); }}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
