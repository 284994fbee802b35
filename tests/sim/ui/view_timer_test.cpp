#include "DialogTemplates.h"
#include "FakeStepTimer.h"
#include "FrameTestSupport.h"

#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSignalSpy>
#include <QSlider>

namespace {

using namespace ControlId;

using ViewTimer = FrameTest;

/// Runs the event loop until `done` holds or `timeoutMs` have passed.
template <typename Predicate> bool waitUntil(Predicate done, int timeoutMs = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs)
        QTest::qWait(5);
    return done();
}

TEST_F(ViewTimer, StartArmsOneMillisecondAndStopKillsIt) {
    QSignalSpy changes(&View(), &CVorlintView::runningChanged);
    EXPECT_FALSE(View().IsTimerArmed());
    View().OnStart();
    EXPECT_TRUE(View().IsRunning());
    EXPECT_TRUE(View().IsTimerArmed());
    EXPECT_EQ(View().TimerPeriodMs(), 1);
    View().OnStop();
    EXPECT_FALSE(View().IsRunning());
    EXPECT_FALSE(View().IsTimerArmed());
    View().OnStop();
    ASSERT_EQ(changes.count(), 2);
    EXPECT_EQ(changes.at(0).at(0).toBool(), true);
    EXPECT_EQ(changes.at(1).at(0).toBool(), false);
}

TEST_F(ViewTimer, TypingTheDigitsOf20IntoRealReArmsTwice) {
    View().OnStart();
    Clear(RealStep);
    EXPECT_EQ(View().m_nRealStepMs, 0u);
    EXPECT_EQ(View().TimerPeriodMs(), 1) << "0 is stored without re-arming";
    QTest::keyClick(&Find<QLineEdit>(RealStep), Qt::Key_2);
    EXPECT_EQ(View().TimerPeriodMs(), 2);
    QTest::keyClick(&Find<QLineEdit>(RealStep), Qt::Key_0);
    EXPECT_EQ(View().TimerPeriodMs(), 20);
    EXPECT_EQ(View().m_nRealStepMs, 20u);
    View().OnStop();
    View().OnStart();
    EXPECT_EQ(View().TimerPeriodMs(), 20) << "Start arms with the real step";
}

TEST_F(ViewTimer, StartWithARealStepThatIsNoPeriodKeepsThePeriodInEffectAndShowsIt) {
    Type(RealStep, QStringLiteral("20"));
    View().OnStart();
    View().OnStop();
    for (const char* typed : {"5000", "0"}) {
        Type(RealStep, QString::fromLatin1(typed));
        View().OnStart();
        EXPECT_EQ(View().TimerPeriodMs(), 20) << typed;
        EXPECT_EQ(View().m_nRealStepMs, 20u) << typed;
        EXPECT_EQ(Text(RealStep), QStringLiteral("20")) << typed;
    }
}

TEST_F(ViewTimer, EachTickOfTheStepTimerIsOneStep) {
    auto timer = std::make_unique<CFakeStepTimer>();
    CFakeStepTimer& ticks = *timer;
    View().SetStepTimer(std::move(timer));
    View().OnStart();
    for (int i = 0; i < 3; ++i)
        ticks.Fire();
    EXPECT_EQ(View().m_history.size(), 3u);
    View().OnStop();
    ticks.Fire();
    EXPECT_EQ(View().m_history.size(), 3u);
}

TEST_F(ViewTimer, RealStepsOutsideOneTo4999AreStoredWithoutReArming) {
    View().OnStart();
    Type(RealStep, QStringLiteral("5000"));
    EXPECT_EQ(View().m_nRealStepMs, 5000u);
    EXPECT_EQ(View().TimerPeriodMs(), 500) << "the last period in range was 500";
    Type(RealStep, QStringLiteral("4999"));
    EXPECT_EQ(View().TimerPeriodMs(), 4999);
}

TEST_F(ViewTimer, RealStepWhileStoppedDoesNotStartTheTimer) {
    Type(RealStep, QStringLiteral("7"));
    EXPECT_EQ(View().m_nRealStepMs, 7u);
    EXPECT_FALSE(View().IsTimerArmed());
    EXPECT_FALSE(View().IsRunning());
}

TEST_F(ViewTimer, RunningViewStepsAndPaints) {
    View().OnStart();
    EXPECT_TRUE(waitUntil([this] { return View().m_history.size() >= 20 && View().m_dFps > 0.0; }));
    View().OnStop();
    const std::size_t steps = View().m_history.size();
    QTest::qWait(50);
    EXPECT_EQ(View().m_history.size(), steps) << "no step after Stop";
}

TEST(TwoWindows, RunIndependentSimulations) {
    CChildFrame hot;
    CChildFrame cold;
    for (CChildFrame* frame : {&hot, &cold}) {
        frame->resize(700, 500);
        frame->show();
        frame->View()->OnInitialUpdate();
    }
    QTest::keyClick(hot.findChild<QSlider*>(QString::number(Power)), Qt::Key_Home);
    ASSERT_EQ(hot.View()->m_dPower, 100.0);
    hot.View()->OnStart();
    cold.View()->OnStart();
    EXPECT_TRUE(
        waitUntil([&] { return hot.View()->m_history.size() >= 10 && cold.View()->m_history.size() >= 10; }));
    hot.View()->OnStop();
    cold.View()->OnStop();
    EXPECT_GT(hot.View()->m_dPoint, 1000.0);
    EXPECT_EQ(cold.View()->m_dPoint, 20.0);
    EXPECT_EQ(cold.View()->m_dPower, 0.0);
}

TEST(MdiWindows, ActivatingAWindowRefreshesItsPanels) {
    QMdiArea area;
    auto* first = new CChildFrame;
    auto* second = new CChildFrame;
    QMdiSubWindow* firstWindow = area.addSubWindow(first);
    QMdiSubWindow* secondWindow = area.addSubWindow(second);
    area.resize(1000, 800);
    area.show();
    first->View()->OnInitialUpdate();
    second->View()->OnInitialUpdate();
    area.setActiveSubWindow(secondWindow);
    first->View()->m_dKp = 4.25;
    area.setActiveSubWindow(firstWindow);
    EXPECT_EQ(first->findChild<QLineEdit*>(QString::number(Kp))->text(), QStringLiteral("4,250000"));
}

} // namespace
