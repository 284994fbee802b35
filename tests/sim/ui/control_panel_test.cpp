#include "DialogPanel.h"
#include "FrameTestSupport.h"
#include "PanelScroller.h"
#include "UpDownControl.h"

#include <QApplication>
#include <QCheckBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

namespace {

using namespace ControlId;

using ControlPanel = FrameTest;

TEST_F(ControlPanel, HoldsEveryControlInsideTheBottomPanel) {
    CDialogPanel* panel = frame.ControlPanel();
    EXPECT_EQ(frame.dockWidgetArea(frame.findChild<QDockWidget*>(QStringLiteral("101"))),
              Qt::BottomDockWidgetArea);
    const QRect area(QPoint(0, 0), panel->sizeHint());
    for (int id :
         {Pid,          OnOff,          Kp,        KpSpin, Ki,      KiSpin,   Kd,        KdSpin,
          Reset,        LastP,          Integral,  LastD,  SimStep, RealStep, ShowError, ShowProportional,
          ShowIntegral, ShowDerivative, ShowPower, Cps,    Fps}) {
        QWidget& control = Find<QWidget>(id);
        EXPECT_EQ(control.parentWidget(), panel) << id;
        EXPECT_TRUE(area.contains(control.geometry())) << id;
    }
    EXPECT_EQ(Find<QCheckBox>(ShowPower).text(), QString::fromUtf8("Potência"));
    EXPECT_EQ(Find<QPushButton>(Reset).text(), QStringLiteral("Reset"));
    EXPECT_EQ(Find<QLabel>(Cps).alignment() & Qt::AlignRight, Qt::AlignRight);
    QStringList groups;
    for (QGroupBox* group : panel->findChildren<QGroupBox*>())
        groups << group->title();
    EXPECT_EQ(groups,
              QStringList({QString(), QStringLiteral("Tempo (passo)"), QString::fromUtf8("Gráficos")}));
}

TEST_F(ControlPanel, InANarrowWindowThePanelScrollsSidewaysAndKeepsItsWholeHeight) {
    auto* scroller = frame.findChild<CPanelScroller*>();
    ASSERT_NE(scroller, nullptr);
    QApplication::processEvents();
    EXPECT_FALSE(scroller->horizontalScrollBar()->isVisible());
    frame.resize(300, 600);
    QApplication::processEvents();
    ASSERT_TRUE(scroller->horizontalScrollBar()->isVisible());
    EXPECT_GE(scroller->viewport()->height(), frame.ControlPanel()->height());
    scroller->horizontalScrollBar()->setValue(scroller->horizontalScrollBar()->maximum());
    const QRect fps(Find<QLabel>(Fps).mapTo(scroller->viewport(), QPoint(0, 0)), Find<QLabel>(Fps).size());
    EXPECT_TRUE(scroller->viewport()->rect().contains(fps));
}

TEST_F(ControlPanel, UpDownSitsInsideTheRightEdgeOfItsEdit) {
    const QRect edit = Find<QLineEdit>(Kp).geometry();
    const QRect upDown = Find<CUpDownControl>(KpSpin).geometry();
    EXPECT_EQ(upDown.left(), edit.right() + 1);
    EXPECT_EQ(upDown.top(), edit.top());
    EXPECT_EQ(upDown.height(), edit.height());
}

TEST_F(ControlPanel, InitialUpdateShowsTheViewsValues) {
    EXPECT_EQ(Text(Kp), QStringLiteral("0,000000"));
    EXPECT_EQ(Text(SimStep), QStringLiteral("100"));
    EXPECT_EQ(Text(RealStep), QStringLiteral("1"));
    EXPECT_FALSE(Find<QCheckBox>(Pid).isChecked());
    EXPECT_TRUE(Find<QCheckBox>(ShowPower).isChecked());
    EXPECT_EQ(Find<QLabel>(Integral).text(), QStringLiteral("0"));
}

class GainText : public FrameTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(GainText, ReadsCommaOrPointAndKeepsWhatWasTyped) {
    Type(Kp, QString::fromLatin1(GetParam()));
    EXPECT_EQ(View().m_dKp, 2.5);
    frame.ExchangePanels(false);
    EXPECT_EQ(Text(Kp), QString::fromLatin1(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Separators, GainText, ::testing::Values("2,5", "2.5", "2,50"));

TEST_F(ControlPanel, TextThatIsNotANumberReadsAsZeroAndStaysUntilTheFieldChanges) {
    for (const char* text : {"abc", "inf", "nan", "-infinity", "1e400"}) {
        Type(Kd, QString::fromLatin1(text));
        EXPECT_EQ(View().m_dKd, 0.0) << text;
        frame.ExchangePanels(false);
        EXPECT_EQ(Text(Kd), QString::fromLatin1(text));
    }
    View().m_dKd = 1.5;
    frame.ExchangePanels(false);
    EXPECT_EQ(Text(Kd), QStringLiteral("1,500000"));
}

TEST_F(ControlPanel, EmptyGainIsRefilledByTheNextLoad) {
    Clear(Kp);
    EXPECT_EQ(View().m_dKp, 0.0);
    frame.ExchangePanels(false);
    EXPECT_EQ(Text(Kp), QStringLiteral("0,000000"));
}

TEST_F(ControlPanel, UpArrowAddsATenthAndDownArrowTakesItAway) {
    auto& upDown = Find<CUpDownControl>(KpSpin);
    QTest::mouseClick(upDown.UpButton(), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(View().m_dKp, 0.1);
    EXPECT_EQ(Text(Kp), QStringLiteral("0,100000"));
    QTest::mouseClick(upDown.DownButton(), Qt::LeftButton);
    QTest::mouseClick(upDown.DownButton(), Qt::LeftButton);
    EXPECT_DOUBLE_EQ(View().m_dKp, -0.1);
    EXPECT_EQ(Text(Kp), QStringLiteral("-0,100000"));
}

TEST_F(ControlPanel, UpDownsNeverTakeKiOrKdBelowZeroButTypedNegativesStand) {
    Type(Kd, QStringLiteral("0,2"));
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(Find<CUpDownControl>(KdSpin).DownButton(), Qt::LeftButton);
    EXPECT_EQ(View().m_dKd, 0.0);
    EXPECT_EQ(Text(Kd), QStringLiteral("0,000000"));
    Type(Ki, QStringLiteral("-1"));
    EXPECT_EQ(View().m_dKi, -1.0);
    QTest::keyClick(&Find<QLineEdit>(Ki), Qt::Key_Down);
    EXPECT_EQ(View().m_dKi, 0.0);
}

struct FieldText {
    int id;
    const char* text;
    bool tinted;
};

class FieldTint : public FrameTest, public ::testing::WithParamInterface<FieldText> {};

TEST_P(FieldTint, ATextThatIsNotANumberTurnsTheFieldRedUntilItIsOne) {
    QLineEdit& edit = Find<QLineEdit>(GetParam().id);
    const auto tinted = [&edit] {
        return edit.palette().color(QPalette::Base) != QApplication::palette(&edit).color(QPalette::Base);
    };
    Type(GetParam().id, QString::fromLatin1(GetParam().text));
    EXPECT_EQ(tinted(), GetParam().tinted);
    Type(GetParam().id, QStringLiteral("1"));
    EXPECT_FALSE(tinted());
}

INSTANTIATE_TEST_SUITE_P(Texts, FieldTint,
                         ::testing::Values(FieldText{Kp, "2,5", false}, FieldText{Kp, "abc", true},
                                           FieldText{Ki, "2x", true}, FieldText{Kd, "1e400", true},
                                           FieldText{Kd, " -1.5 ", false}, FieldText{SimStep, "100", false},
                                           FieldText{SimStep, "5,5", true}, FieldText{RealStep, "-3", true},
                                           FieldText{RealStep, " ", false}));

TEST_F(ControlPanel, ArrowKeysInAGainEditStepItToo) {
    Type(Kd, QStringLiteral("1"));
    QTest::keyClick(&Find<QLineEdit>(Kd), Qt::Key_Up);
    EXPECT_DOUBLE_EQ(View().m_dKd, 1.1);
    QTest::keyClick(&Find<QLineEdit>(Kd), Qt::Key_Down);
    EXPECT_DOUBLE_EQ(View().m_dKd, 1.0);
    EXPECT_EQ(Text(Kd), QStringLiteral("1,000000"));
}

TEST_F(ControlPanel, ChangingKiClearsTheIntegral) {
    View().m_dIntegral = 42.0;
    Type(Ki, QStringLiteral("3"));
    EXPECT_EQ(View().m_dIntegral, 0.0);
    EXPECT_EQ(View().m_dKi, 3.0);

    View().m_dIntegral = 42.0;
    QTest::mouseClick(Find<CUpDownControl>(KiSpin).UpButton(), Qt::LeftButton);
    EXPECT_EQ(View().m_dIntegral, 0.0);
    EXPECT_DOUBLE_EQ(View().m_dKi, 3.1);
}

TEST_F(ControlPanel, ResetClearsTheIntegralOnly) {
    View().m_history.push_back({1.0, 2.0});
    View().m_dIntegral = 42.0;
    View().m_dPoint = 250.0;
    View().m_dPower = 30.0;
    frame.ExchangePanels(false);
    QTest::mouseClick(&Find<QPushButton>(Reset), Qt::LeftButton);
    EXPECT_EQ(View().m_dIntegral, 0.0);
    EXPECT_EQ(View().m_dPoint, 250.0);
    EXPECT_EQ(View().m_dPower, 30.0);
    EXPECT_EQ(View().m_history.size(), 1u);
    EXPECT_EQ(Find<QLabel>(Integral).text(), QStringLiteral("0,0"));
}

struct ModeClicks {
    std::vector<int> clicks;
    bool pid;
    bool onOff;
};

class ModeSwitches : public FrameTest, public ::testing::WithParamInterface<ModeClicks> {};

TEST_P(ModeSwitches, PidAndOnOffExcludeEachOther) {
    for (int id : GetParam().clicks)
        QTest::mouseClick(&Find<QCheckBox>(id), Qt::LeftButton);
    EXPECT_EQ(View().m_bPid, GetParam().pid);
    EXPECT_EQ(View().m_bOnOff, GetParam().onOff);
    EXPECT_EQ(Find<QCheckBox>(Pid).isChecked(), GetParam().pid);
    EXPECT_EQ(Find<QCheckBox>(OnOff).isChecked(), GetParam().onOff);
}

INSTANTIATE_TEST_SUITE_P(Clicks, ModeSwitches,
                         ::testing::Values(ModeClicks{{Pid}, true, false}, ModeClicks{{OnOff}, false, true},
                                           ModeClicks{{OnOff, Pid}, true, false},
                                           ModeClicks{{Pid, OnOff}, false, true},
                                           ModeClicks{{Pid, Pid}, false, false},
                                           ModeClicks{{Pid, OnOff, OnOff}, false, false}));

TEST_F(ControlPanel, SeriesCheckBoxesSwitchTheChartSeries) {
    QTest::mouseClick(&Find<QCheckBox>(ShowError), Qt::LeftButton);
    QTest::mouseClick(&Find<QCheckBox>(ShowDerivative), Qt::LeftButton);
    EXPECT_FALSE(View().m_bShowError);
    EXPECT_FALSE(View().m_bShowDerivative);
    EXPECT_TRUE(View().m_bShowProportional);
}

TEST_F(ControlPanel, EachSeriesFlagIsSavedAndLoaded) {
    const std::pair<int, bool CWindowState::*> flags[] = {
        {ShowError, &CWindowState::m_bShowError},
        {ShowProportional, &CWindowState::m_bShowProportional},
        {ShowIntegral, &CWindowState::m_bShowIntegral},
        {ShowDerivative, &CWindowState::m_bShowDerivative},
        {ShowPower, &CWindowState::m_bShowPower},
    };
    for (const auto& [id, flag] : flags) {
        QTest::mouseClick(&Find<QCheckBox>(id), Qt::LeftButton);
        EXPECT_FALSE(View().*flag) << id;
        View().*flag = true;
        frame.ExchangePanels(false);
        EXPECT_TRUE(Find<QCheckBox>(id).isChecked()) << id;
    }
}

TEST_F(ControlPanel, StepFieldsHoldUnsigned32BitCounts) {
    Type(SimStep, QStringLiteral("99999999999"));
    EXPECT_EQ(View().m_nSimStepMs, 4294967295u);
    View().m_nSimStepMs = 0;
    frame.ExchangePanels(false);
    EXPECT_EQ(Text(SimStep), QStringLiteral("0"));
    Clear(SimStep);
    frame.ExchangePanels(false);
    EXPECT_EQ(Text(SimStep), QString()) << "an empty field means 0 and stays empty";
    View().m_nSimStepMs = 4000000000u;
    frame.ExchangePanels(false);
    EXPECT_EQ(Text(SimStep), QStringLiteral("4000000000"));
}

TEST_F(ControlPanel, DisplaysAreOutputOnly) {
    View().m_dIntegral = 1.26;
    View().m_dLastP = -3.04;
    View().m_dCps = 1234.56;
    frame.ExchangePanels(false);
    EXPECT_EQ(Find<QLabel>(Integral).text(), QStringLiteral("1,3"));
    EXPECT_EQ(Find<QLabel>(LastP).text(), QStringLiteral("-3,0"));
    EXPECT_EQ(Find<QLabel>(Cps).text(), QStringLiteral("1234,6 CPS"));
    frame.ExchangePanels(true);
    EXPECT_EQ(View().m_dIntegral, 1.26);
    EXPECT_EQ(View().m_dLastP, -3.04);
}

TEST_F(ControlPanel, AStepRefreshesTheFigures) {
    QTest::mouseClick(&Find<QCheckBox>(Pid), Qt::LeftButton);
    Type(Kp, QStringLiteral("0,5"));
    View().m_dSetPoint = 1020.0;
    frame.ExchangePanels(false);
    View().OnTimer();
    EXPECT_EQ(Find<QLabel>(LastP).text(), QStringLiteral("500,0"));
    EXPECT_TRUE(Find<QLabel>(Cps).text().endsWith(QStringLiteral(" CPS")));
}

} // namespace
