#include "DialogPanel.h"
#include "FrameTestSupport.h"

#include <QCheckBox>
#include <QDockWidget>
#include <QSlider>

namespace {

using namespace ControlId;

using TrackbarPanel = FrameTest;

struct TrackbarMove {
    int id;
    Qt::Key key;
    double CSimulation::*field;
    double value;
};

class TrackbarKeys : public FrameTest, public ::testing::WithParamInterface<TrackbarMove> {};

TEST_P(TrackbarKeys, TopIsTheHighestValue) {
    QTest::keyClick(&Find<QSlider>(GetParam().id), GetParam().key);
    EXPECT_EQ(View().*GetParam().field, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, TrackbarKeys,
    ::testing::Values(TrackbarMove{SetPoint, Qt::Key_Home, &CSimulation::m_dSetPoint, 3000.0},
                      TrackbarMove{SetPoint, Qt::Key_End, &CSimulation::m_dSetPoint, 0.0},
                      TrackbarMove{Power, Qt::Key_Home, &CSimulation::m_dPower, 100.0},
                      TrackbarMove{Power, Qt::Key_End, &CSimulation::m_dPower, 0.0}));

TEST_F(TrackbarPanel, UpArrowMovesTheThumbUpByOneHundredth) {
    QSlider& setPoint = Find<QSlider>(SetPoint);
    ASSERT_EQ(setPoint.value(), setPoint.maximum()) << "a set point of 0 sits at the bottom";
    QTest::keyClick(&setPoint, Qt::Key_Up);
    EXPECT_DOUBLE_EQ(View().m_dSetPoint, 0.01);
    EXPECT_TRUE(setPoint.invertedAppearance()) << "the minimum is drawn at the top";
}

TEST_F(TrackbarPanel, MiddleClickNearTheTopPicksNearlyTheHighestValue) {
    QSlider& power = Find<QSlider>(Power);
    QTest::mouseClick(&power, Qt::MiddleButton, {}, QPoint(power.width() / 2, 4));
    EXPECT_GT(View().m_dPower, 95.0);
}

TEST_F(TrackbarPanel, RangesAndTicksAfterTheInitialUpdate) {
    QSlider& setPoint = Find<QSlider>(SetPoint);
    QSlider& power = Find<QSlider>(Power);
    EXPECT_EQ(setPoint.maximum(), 300000);
    EXPECT_EQ(power.maximum(), 10000);
    EXPECT_EQ(setPoint.tickInterval(), 5);
    EXPECT_EQ(power.tickPosition(), QSlider::TicksRight);
}

TEST_F(TrackbarPanel, SitsOnTheRightAndFitsTheViewsHeight) {
    EXPECT_EQ(frame.dockWidgetArea(qobject_cast<QDockWidget*>(frame.SliderPanel()->parentWidget())),
              Qt::RightDockWidgetArea);
    frame.resize(700, 700);
    EXPECT_EQ(Find<QSlider>(Power).height(), View().height() - 20);
    EXPECT_EQ(Find<QSlider>(SetPoint).height(), View().height() - 20);
}

TEST_F(TrackbarPanel, ValuesBetweenPositionsLoadTruncated) {
    View().m_dSetPoint = 1234.5678;
    View().m_dPower = 33.333;
    frame.ExchangePanels(false);
    EXPECT_EQ(Find<QSlider>(SetPoint).value(), 176543);
    EXPECT_EQ(Find<QSlider>(Power).value(), 6666);
    View().m_dSetPoint = 1e300;
    frame.ExchangePanels(false);
    EXPECT_EQ(Find<QSlider>(SetPoint).value(), 0) << "off the scale: the top";
}

TEST_F(TrackbarPanel, PotFollowsThePidController) {
    QTest::mouseClick(&Find<QCheckBox>(Pid), Qt::LeftButton);
    Type(Kp, QStringLiteral("1"));
    // A set point of 100 is position 290000.
    Find<QSlider>(SetPoint).setValue(290000);
    ASSERT_EQ(View().m_dSetPoint, 100.0);
    View().OnTimer();
    EXPECT_EQ(View().m_dPower, 80.0);
    EXPECT_EQ(View().m_dPoint, 418.0);
    EXPECT_EQ(Find<QSlider>(Power).value(), 2000);
}

TEST_F(TrackbarPanel, PotSetsThePowerInManualMode) {
    Find<QSlider>(Power).setValue(5000);
    View().OnTimer();
    EXPECT_EQ(View().m_history.newest().power, 50.0);
    EXPECT_EQ(Find<QSlider>(Power).value(), 5000);
}

} // namespace
