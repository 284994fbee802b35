#include "AppTestSupport.h"
#include "CommandIds.h"
#include "EventsDlg.h"
#include "ExpressaoDlg.h"
#include "FrequencyDlg.h"
#include "LabReport.h"
#include "PlantControllerDlg.h"
#include "PrintHeader.h"
#include "VorlintDoc.h"

#include <QComboBox>
#include <QJsonArray>
#include <QLineEdit>
#include <QTableWidget>

#include <algorithm>

namespace {

const QString kFormula = QStringLiteral("p + ((t/100)*4321 - p*0.7)*dt");
const QString kHidden = QStringLiteral("planta oculta");

class HiddenPlantTest : public AppTest {
protected:
    /// Answers the modal `Dialog` of the command `commandId` with `answer`, which ends it.
    template <typename Dialog> void Answer(int commandId, std::function<void(Dialog&)> answer) {
        ModalAnswer modal([&](QWidget* widget) {
            auto* dialog = qobject_cast<Dialog*>(widget);
            ASSERT_NE(dialog, nullptr);
            answer(*dialog);
        });
        Trigger(commandId);
        ASSERT_TRUE(modal.Fired());
    }
};

// A file whose exercise hides the plant: no page, dialog or note tells the formula or the plant's dynamics,
// no dialog changes them, and the file keeps them. The load disturbance is the student's to apply.
TEST_F(HiddenPlantTest, NothingShowsOrChangesTheFormulaOrTheDynamicsAndTheFileKeepsThem) {
    const QString path = Path(QStringLiteral("hidden.vrl"));
    WriteFile(path, R"({"format": "vorlint", "version": 1, "exercise": {"hidePlant": true}, "windows": [
        {"formula": ")" +
                        kFormula.toUtf8() + R"(", "deadTimeS": 1.25, "lagCount": 3, "lagTauS": 2.5,
         "disturbance": 4, "events": [{"atS": 5, "deadTimeS": 2}, {"atS": 6, "setPoint": 900}]}]})");
    auto* document = dynamic_cast<CVorlintDoc*>(App().OpenDocumentFile(path));
    ASSERT_NE(document, nullptr);
    CVorlintView& view = ActiveView();
    ASSERT_EQ(QString::fromStdString(view.m_strFormula), kFormula);

    const QStringList setup = WindowSetupLines(view);
    EXPECT_EQ(setup[0], QStringLiteral("Fórmula: planta oculta"));
    EXPECT_EQ(setup[3],
              QStringLiteral("Planta:   Perturbação de carga d: 4   Tempo morto θ (s): planta oculta   "
                             "Atrasos de 1ª ordem N (0 a 5): planta oculta   Constante de tempo τ "
                             "(s): planta oculta"));
    const CLabReport report(view, QStringLiteral("hidden.vrl"), QDateTime());
    EXPECT_TRUE(report.Lines().contains(setup[3]));
    if (const std::optional<QString> words =
            PdfWords(report.PdfBytes(), Path(QStringLiteral("report.pdf")))) {
        EXPECT_TRUE(words->contains(setup[0])) << words->toStdString();
        EXPECT_FALSE(words->contains(QStringLiteral("4321")));
    }

    Answer<CPlantControllerDlg>(CommandId::SimPlantController, [](CPlantControllerDlg& dialog) {
        const QList<QLineEdit*> fields = dialog.findChildren<QLineEdit*>();
        EXPECT_EQ(std::count_if(
                      fields.begin(), fields.end(),
                      [](const QLineEdit* field) { return field->text() == kHidden && !field->isEnabled(); }),
                  3);
        EXPECT_EQ(dialog.Field(*settingByFileKey("deadTimeS")), nullptr);
        EXPECT_NE(dialog.Field(*settingByFileKey("disturbance")), nullptr);
        dialog.accept();
    });
    EXPECT_EQ(view.m_dynamicsSettings.deadTimeS, 1.25);
    EXPECT_EQ(view.m_dynamicsSettings.lagCount, 3);
    Answer<CExpressaoDlg>(CommandId::SimFormula, [](CExpressaoDlg& dialog) {
        EXPECT_EQ(dialog.FormulaEdit()->text(), kHidden);
        EXPECT_FALSE(dialog.FormulaEdit()->isEnabled());
        dialog.accept();
    });
    EXPECT_EQ(QString::fromStdString(view.m_strFormula), kFormula);
    Answer<CEventsDlg>(CommandId::SimEvents, [](CEventsDlg& dialog) {
        ASSERT_EQ(dialog.EventsTable()->Table()->rowCount(), 1) << "the dead time's event is not shown";
        const auto* settings = static_cast<QComboBox*>(dialog.EventsTable()->Table()->cellWidget(0, 1));
        EXPECT_EQ(settings->findText(QStringLiteral("Tempo morto θ (s)")), -1);
        EXPECT_EQ(dialog.Events().size(), 2u);
        dialog.reject();
    });
    CFrequencyDlg frequency(view);
    for (int row = 0; row < frequency.FiguresTable()->rowCount(); ++row)
        EXPECT_EQ(frequency.FiguresTable()->item(row, CFrequencyDlg::AnalyticColumn)->text(), kHidden);
    EXPECT_FALSE(frequency.ExportDataButton()->isEnabled());

    Trigger(CommandId::WindowNew);
    EXPECT_TRUE(ActiveView().PlantHidden()) << "a new window of the document";
    view.SetPlantHidden(false);
    document->ApplyPlantHiding();
    EXPECT_TRUE(view.PlantHidden());

    const QString saved = Path(QStringLiteral("saved.vrl"));
    ASSERT_TRUE(document->DoSave(saved));
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonObject content = QJsonDocument::fromJson(file.readAll()).object();
    EXPECT_EQ(content.value("windows")[0]["formula"].toString(), kFormula);
    EXPECT_EQ(content.value("windows")[0]["deadTimeS"].toDouble(), 1.25);
    EXPECT_TRUE(content.value("exercise")["hidePlant"].toBool());

    view.m_strFormula = "p/0";
    view.OnTimer();
    EXPECT_EQ(view.PlantFailureNote(),
              QStringLiteral("A planta oculta falhou: o point fica parado até ela dar um número de novo."));
}

} // namespace
