#include "AppTestSupport.h"
#include "CommandIds.h"
#include "DialogPanel.h"
#include "Document.h"
#include "PanelText.h"
#include "PlantControllerDlg.h"
#include "RangedEdit.h"
#include "ReadingText.h"
#include "SimulationSetup.h"
#include "TuningDlg.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <cstring>

namespace {

using LabDialogsTest = AppTest;

constexpr int kRunTimeoutMs = 120000;

int RowOf(const QTableWidget& table, const char* rule) {
    for (int row = 0; row < table.rowCount(); ++row) {
        if (table.item(row, 0)->text() == QLatin1String(rule))
            return row;
    }
    return -1;
}

TEST_F(LabDialogsTest, AStepTestFindsTheModelAndAplicarPutsTheImcGainsIntoTheWindow) {
    CVorlintView& view = ActiveView();
    view.m_dynamicsSettings.deadTimeS = 0.5;
    view.m_dSetPoint = 1200.0;
    TuningRequest request;
    request.method = TuningMethod::StepTest;
    request.setPoint = 1200.0;
    const TuningResult expected = RunTuning(SetupOf(view), request);
    const auto imc = std::find_if(expected.rules.begin(), expected.rules.end(), [](const RulePrediction& r) {
        return std::strcmp(r.name, "IMC PID") == 0;
    });
    ASSERT_NE(imc, expected.rules.end());
    Active()->GetDocument()->SetModifiedFlag(false);

    ModalAnswer answer([&](QWidget* widget) {
        auto* dialog = qobject_cast<CTuningDlg*>(widget);
        ASSERT_NE(dialog, nullptr);
        dialog->StepTestButton()->click();
        QSignalSpy finished(dialog, &CTuningDlg::tuningFinished);
        dialog->RunExperiment();
        ASSERT_TRUE(finished.wait(kRunTimeoutMs));
        EXPECT_TRUE(dialog->ModelLabel()->text().contains(QStringLiteral("τ = ")))
            << dialog->ModelLabel()->text().toStdString();
        QTableWidget& rules = *dialog->RulesTable();
        EXPECT_EQ(rules.rowCount(), 9);
        EXPECT_NE(rules.cellWidget(RowOf(rules, "SIMC PI"), 8), nullptr) << "each rule has its plot";
        EXPECT_EQ(rules.item(RowOf(rules, "IMC PID"), 7)->text(),
                  FormatReading(imc->response.figures.timeSaturatedS, 2))
            << "the predicted time in saturation";
        rules.selectRow(RowOf(rules, "IMC PID"));
        dialog->ApplyButton()->click();
        dialog->reject();
    });
    Trigger(CommandId::SimTuning);
    ASSERT_TRUE(answer.Fired());

    EXPECT_TRUE(view.m_bPid);
    // What the panel shows of the rule's gains, which the window then runs with.
    EXPECT_EQ(view.m_dKp, parsePanelNumber(formatPanelNumber(imc->gains.kp, kGainFormat)));
    EXPECT_EQ(view.m_dKi, parsePanelNumber(formatPanelNumber(imc->gains.ki, kGainFormat)));
    EXPECT_EQ(view.m_dKd, parsePanelNumber(formatPanelNumber(imc->gains.kd, kGainFormat)));
    EXPECT_EQ(Active()->Frame()->ControlPanel()->Control<QLineEdit>(ControlId::Kp)->text(),
              formatPanelNumber(imc->gains.kp, kGainFormat));
    EXPECT_TRUE(Active()->GetDocument()->IsModified());
}

TEST_F(LabDialogsTest, AStepTestWhoseFitFindsANegativeDeadTimeNamesTheRulesThatDoNotApply) {
    ActiveView().m_strFormula = "p+(t*40-p)*dt/(10+p/100)";
    ActiveView().m_dynamicsSettings.deadTimeS = 0.5;
    CTuningDlg dialog(ActiveView(), {});
    dialog.show();
    dialog.StepTestButton()->click();
    QSignalSpy finished(&dialog, &CTuningDlg::tuningFinished);
    dialog.RunExperiment();
    ASSERT_TRUE(finished.wait(kRunTimeoutMs));
    const QStringList lines = dialog.ModelLabel()->text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2) << dialog.ModelLabel()->text().toStdString();
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("θ = 0 s"))) << lines[0].toStdString();
    EXPECT_TRUE(
        lines[1].startsWith(QStringLiteral("Atenção: o ajuste achou um tempo morto negativo (θ = -")));
    EXPECT_TRUE(lines[1].endsWith(
        QStringLiteral("s), tomado como 0; por isso estas regras não se aplicam: Ziegler-Nichols open-loop "
                       "PI, Ziegler-Nichols "
                       "open-loop PID, Cohen-Coon PI, Cohen-Coon PID, AMIGO PI, AMIGO PID.")))
        << lines[1].toStdString();
}

TEST_F(LabDialogsTest, ARelayThatNeverOscillatesSaysSoAndClosingCancelsARun) {
    ActiveView().m_strFormula = "p"; // the point never moves
    CTuningDlg dialog(ActiveView(), {});
    dialog.show();
    QSignalSpy finished(&dialog, &CTuningDlg::tuningFinished);
    dialog.RunExperiment();
    ASSERT_TRUE(finished.wait(kRunTimeoutMs));
    EXPECT_TRUE(dialog.ModelLabel()->text().startsWith(QStringLiteral("Sem resultado: o relé")));
    EXPECT_EQ(dialog.RulesTable()->rowCount(), 0);
    EXPECT_EQ(dialog.RulesTable()->horizontalHeaderItem(8)->text(), QStringLiteral("Resposta prevista"))
        << "no plot, no time axis to name";
    EXPECT_FALSE(dialog.ApplyButton()->isEnabled());

    dialog.RunExperiment();
    EXPECT_TRUE(dialog.IsRunning());
    dialog.reject();
    EXPECT_FALSE(dialog.IsRunning()) << "closing lets the cancelled worker go";
}

TEST_F(LabDialogsTest, ANegativeTimeConstantIsTintedAndClampedUntouchedFieldsKeepTheirValues) {
    CSimulation window;
    window.m_dynamicsSettings.disturbance = 0.1 + 0.2;
    CPlantControllerDlg dialog(SettingSource(window), {});
    dialog.show();
    CRangedEdit& tau = *qobject_cast<CRangedEdit*>(dialog.Field(*settingByFileKey("lagTauS")));
    const auto valueOf = [&dialog](const char* key) {
        for (const SettingChange& change : dialog.Values()) {
            if (change.row == settingByFileKey(key))
                return change.value.number;
        }
        return -1.0;
    };
    const QColor plain = tau.palette().color(QPalette::Base);
    tau.selectAll();
    QTest::keyClicks(&tau, "-2");
    EXPECT_NE(tau.palette().color(QPalette::Base), plain);
    EXPECT_EQ(valueOf("lagTauS"), 0.0);
    EXPECT_EQ(valueOf("disturbance"), 0.1 + 0.2) << "shown with 15 digits, kept exactly";
    tau.selectAll();
    QTest::keyClicks(&tau, "2,5");
    EXPECT_EQ(tau.palette().color(QPalette::Base), plain);
    EXPECT_EQ(valueOf("lagTauS"), 2.5);

    // A seed beyond what a double holds comes back digit for digit; one beyond 2^64 - 1 keeps the old.
    QLineEdit& seed = *qobject_cast<QLineEdit*>(dialog.Field(*settingByFileKey("noiseSeed")));
    const auto seedTyped = [&](const char* digits) {
        seed.selectAll();
        QTest::keyClicks(&seed, digits);
        for (const SettingChange& change : dialog.Values()) {
            if (change.row == settingByFileKey("noiseSeed"))
                return change.value.text;
        }
        return std::string();
    };
    EXPECT_EQ(seedTyped("18446744073709551615"), "18446744073709551615");
    EXPECT_EQ(seedTyped("18446744073709551616"), "1");
    EXPECT_NE(seed.palette().color(QPalette::Base), plain);
}

// Some milliseconds a step (more under the sanitizers): a worker that looked for the cancel every 1024 steps
// held Cancelar and Fechar, and every window with them, for seconds.
TEST_F(LabDialogsTest, CancelarAndFecharReturnAtOnceWhileASlowFormulaRuns) {
    std::string slow = "p";
    for (int term = 0; term < 300; ++term)
        slow += "+0*fib(1476)";
    ActiveView().m_strFormula = slow;
    CTuningDlg dialog(ActiveView(), {});
    dialog.show();
    QSignalSpy finished(&dialog, &CTuningDlg::tuningFinished);
    for (QPushButton* button : {dialog.CancelButton(), static_cast<QPushButton*>(nullptr)}) {
        dialog.RunExperiment();
        QTest::qWait(50); // well into the steps
        ASSERT_TRUE(dialog.IsRunning());
        QElapsedTimer sinceClick;
        sinceClick.start();
        if (button != nullptr)
            button->click();
        else
            dialog.reject(); // Fechar
        EXPECT_LT(sinceClick.elapsed(), 100) << (button != nullptr ? "Cancelar" : "Fechar");
        EXPECT_FALSE(dialog.IsRunning());
        if (button != nullptr) {
            EXPECT_EQ(dialog.ModelLabel()->text(), QStringLiteral("Sintonia cancelada."));
        }
    }
    QTest::qWait(100);
    EXPECT_EQ(finished.count(), 0) << "a cancelled run reports nothing";
}

} // namespace
