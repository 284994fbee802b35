#include "AppTestSupport.h"
#include "CommandIds.h"

namespace {

using ScriptedRunTest = AppTest;

TEST_F(ScriptedRunTest, ThreeTiledWindowsTwoRunningEachItsOwnSimulation) {
    Frame().show();
    const std::vector<CMdiChild*> windows = SessionScript::OpenThreeTiledRunningTwo(Frame());
    ASSERT_EQ(windows.size(), 3u);
    EXPECT_EQ(windows[2]->windowTitle(), QStringLiteral("Vorlint3"));
    for (std::size_t i = 0; i < windows.size(); ++i)
        for (std::size_t j = i + 1; j < windows.size(); ++j)
            EXPECT_FALSE(windows[i]->geometry().intersects(windows[j]->geometry()));

    // Different controllers in the two running windows: PID towards 1000, and on/off towards 2500.
    SessionScript::SetUpPid(*windows[0], 1000.0, 0.5, 0.0, 0.0);
    CVorlintView& onOff = *windows[1]->View();
    onOff.m_bOnOff = true;
    onOff.m_dSetPoint = 2500.0;
    windows[1]->Frame()->ExchangePanels(false);

    RunEventLoop(400);

    EXPECT_TRUE(windows[0]->View()->IsRunning());
    EXPECT_TRUE(windows[1]->View()->IsRunning());
    EXPECT_FALSE(windows[2]->View()->IsRunning());
    EXPECT_GT(windows[0]->View()->m_history.size(), 20u);
    EXPECT_GT(windows[1]->View()->m_history.size(), 20u);
    EXPECT_TRUE(windows[2]->View()->m_history.empty());

    const Sample& pid = windows[0]->View()->m_history.newest();
    const Sample& onOffSample = windows[1]->View()->m_history.newest();
    EXPECT_EQ(pid.setPoint, 1000.0);
    EXPECT_EQ(onOffSample.setPoint, 2500.0);
    EXPECT_NE(pid.proportional, 0.0);
    EXPECT_EQ(onOffSample.proportional, 0.0);
    EXPECT_TRUE(onOffSample.power == 0.0 || onOffSample.power == 100.0);
    EXPECT_EQ(windows[2]->View()->m_dPoint, 20.0);

    // The marks follow the active window: the third is stopped while the others run on.
    SessionScript::Activate(Frame(), *windows[2]);
    EXPECT_TRUE(Action(CommandId::SimStop).isChecked());
    SessionScript::Activate(Frame(), *windows[0]);
    EXPECT_TRUE(Action(CommandId::SimStart).isChecked());
}

} // namespace
