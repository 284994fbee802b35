#include "AppTestSupport.h"
#include "CommandIds.h"
#include "DialogPanel.h"
#include "DialogTemplates.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include <cmath>
#include <random>

namespace {

/// What a restless student types: numbers with comma or point, signs, huge and tiny values, words,
/// and the texts that strtod turns into infinities or not-a-number.
const char* const kTexts[] = {"0",          "1",      "2,5", "2.5",  "-3",  "0,001", "100", "1e308",
                              "-1e308",     "1e-300", "inf", "-inf", "nan", "abc",   "",    "99999999999",
                              "4294967295", "5000",   "3",   ",",    "1e",  "0x10",  "  7"};
const int kEdits[] = {ControlId::Kp, ControlId::Ki, ControlId::Kd, ControlId::SimStep, ControlId::RealStep};
const int kChecks[] = {
    ControlId::Pid,          ControlId::OnOff,          ControlId::ShowError, ControlId::ShowProportional,
    ControlId::ShowIntegral, ControlId::ShowDerivative, ControlId::ShowPower};
const int kSliders[] = {ControlId::Power, ControlId::SetPoint};

/// How long the soak runs: VORLINT_SOAK_SECONDS, 3 seconds by default.
int SoakMilliseconds() {
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("VORLINT_SOAK_SECONDS", &ok);
    return ok && seconds > 0 ? seconds * 1000 : 3000;
}

template <typename T> T* Control(CMdiChild& window, int id) {
    return window.Frame()->findChild<T*>(QString::number(id));
}

bool SampleHasNaN(const Sample& s) {
    for (double value : {s.setPoint, s.point, s.power, s.proportional, s.integral, s.derivative, s.error})
        if (std::isnan(value))
            return true;
    return false;
}

/// The index of the first sample holding a value that is not a number, or -1.
long FirstNaN(const SampleHistory& history) {
    for (std::size_t i = 0; i < history.size(); ++i)
        if (SampleHasNaN(history[i]))
            return static_cast<long>(i);
    return -1;
}

class SoakTest : public AppTest {
protected:
    /// One random user action on one of the windows.
    void RandomAction(CMdiChild& window) {
        switch (Pick(6)) {
        case 0: {
            QLineEdit* edit = Control<QLineEdit>(window, kEdits[Pick(std::size(kEdits))]);
            edit->selectAll();
            QTest::keyClicks(edit, QString::fromLatin1(kTexts[Pick(std::size(kTexts))]));
            break;
        }
        case 1:
            Control<QCheckBox>(window, kChecks[Pick(std::size(kChecks))])->click();
            break;
        case 2: {
            QSlider* slider = Control<QSlider>(window, kSliders[Pick(std::size(kSliders))]);
            slider->setSliderPosition(slider->minimum() + Pick(slider->maximum() - slider->minimum() + 1));
            break;
        }
        case 3:
            Control<QPushButton>(window, ControlId::Reset)->click();
            break;
        case 4:
            SessionScript::Activate(Frame(), window);
            Trigger(Pick(2) == 0 ? CommandId::SimStart : CommandId::SimStop);
            break;
        default:
            SessionScript::Activate(Frame(), window);
            break;
        }
    }

    int Pick(std::size_t count) { return std::uniform_int_distribution<int>(0, int(count) - 1)(m_random); }

    std::mt19937 m_random{20240611};
};

TEST_F(SoakTest, RandomPanelInputNeverPutsNaNInAHistory) {
    Frame().show();
    std::vector<CMdiChild*> windows = SessionScript::OpenThreeTiledRunningTwo(Frame());
    ASSERT_EQ(windows.size(), 3u);
    SessionScript::Activate(Frame(), *windows[2]);
    Trigger(CommandId::SimStart);

    QElapsedTimer clock;
    clock.start();
    std::size_t actions = 0;
    while (clock.elapsed() < SoakMilliseconds()) {
        RandomAction(*windows[Pick(windows.size())]);
        ++actions;
        RunEventLoop(2);
        // The whole history after every action, so that no sample leaves it unchecked.
        for (CMdiChild* window : windows)
            ASSERT_EQ(FirstNaN(window->View()->m_history), -1) << "after " << actions << " actions";
    }
    std::size_t samples = 0;
    for (CMdiChild* window : windows)
        samples += window->View()->m_history.size();
    EXPECT_GT(actions, 100u);
    EXPECT_GT(samples, 0u);
    RecordProperty("actions", static_cast<int>(actions));
}

} // namespace
