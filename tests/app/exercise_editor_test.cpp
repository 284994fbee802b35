#include "AppTestSupport.h"
#include "ChecksTable.h"
#include "CommandIds.h"
#include "Document.h"
#include "ExerciseDlg.h"
#include "RangedEdit.h"
#include "VorlintDoc.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QTest>

namespace {

using ExerciseEditorTest = AppTest;

void ExpectSameExercise(const Exercise& actual, const Exercise& expected) {
    EXPECT_EQ(actual.title, expected.title);
    EXPECT_EQ(actual.instructions, expected.instructions);
    EXPECT_EQ(actual.hidePlant, expected.hidePlant);
    EXPECT_EQ(actual.hasRunS, expected.hasRunS);
    EXPECT_EQ(actual.runS, expected.runS);
    ASSERT_EQ(actual.events.size(), expected.events.size());
    for (std::size_t i = 0; i < expected.events.size(); ++i) {
        EXPECT_EQ(actual.events[i].atS, expected.events[i].atS) << i;
        EXPECT_EQ(actual.events[i].change.row, expected.events[i].change.row) << i;
        EXPECT_EQ(actual.events[i].change.value.number, expected.events[i].change.value.number) << i;
    }
    ASSERT_EQ(actual.checks.size(), expected.checks.size());
    for (std::size_t i = 0; i < expected.checks.size(); ++i) {
        EXPECT_EQ(actual.checks[i].figure, expected.checks[i].figure) << i;
        EXPECT_EQ(actual.checks[i].min, expected.checks[i].min) << i;
        EXPECT_EQ(actual.checks[i].max, expected.checks[i].max) << i;
        EXPECT_EQ(actual.checks[i].window, expected.checks[i].window) << i;
        EXPECT_EQ(actual.checks[i].hasAtS, expected.checks[i].hasAtS) << i;
        EXPECT_EQ(actual.checks[i].atS, expected.checks[i].atS) << i;
    }
}

/// An exercise with every field set, numbers whose shortest text has 17 digits among them.
Exercise FullExercise() {
    Exercise exercise;
    exercise.title = "Degrau";
    exercise.instructions = "Sintonize.\nDepois salve.";
    exercise.hidePlant = true;
    exercise.runS = 0.1 + 0.2;
    exercise.hasRunS = true;
    exercise.events = {{10.0, setPointChange(2000.0)}, {12.5, {settingByFileKey("power"), {0.1 + 0.7, {}}}}};
    ExerciseCheck overshoot;
    overshoot.figure = 4;
    overshoot.max = 5.0;
    ExerciseCheck rise;
    rise.figure = 12;
    rise.min = -1.0 / 3.0;
    rise.max = 8.0;
    rise.window = 2;
    ExerciseCheck recovery;
    recovery.figure = kCheckFigureCount - 1;
    recovery.hasAtS = true;
    recovery.atS = 12.5;
    exercise.checks = {overshoot, rise, recovery};
    return exercise;
}

void Type(QWidget* edit, const char* text) {
    auto* line = qobject_cast<QLineEdit*>(edit);
    ASSERT_NE(line, nullptr);
    line->selectAll();
    QTest::keyClick(line, Qt::Key_Delete);
    QTest::keyClicks(line, text);
}

QJsonObject FileObject(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}

TEST_F(ExerciseEditorTest, GivesBackAnUntouchedExerciseFieldByField) {
    const Exercise exercise = FullExercise();
    CExerciseDlg dialog(&exercise, 2);
    dialog.accept();
    ASSERT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(dialog.Result().has_value());
    ExpectSameExercise(*dialog.Result(), exercise);
}

// Each refusal names the check and what is wrong, and the dialog stays open until it is mended.
TEST_F(ExerciseEditorTest, RefusesWhatTheFileReaderRefusesAndStaysOpen) {
    CExerciseDlg dialog(nullptr, 2);
    dialog.show();
    QTableWidget& checks = *dialog.ChecksTable()->Table();
    dialog.ChecksTable()->AddButton()->click();
    Type(checks.cellWidget(0, 1), "5,5");
    Type(checks.cellWidget(0, 2), "1");
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.ProblemLabel()->text(), QStringLiteral("Verificação 1: o mínimo passa do máximo"));

    Type(checks.cellWidget(0, 2), "");
    Type(checks.cellWidget(0, 3), "3");
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(
        dialog.ProblemLabel()->text(),
        QStringLiteral("Verificação 1: a janela deve ser um número inteiro de 0 a 2 (vazio ou 0: todas)"));

    Type(checks.cellWidget(0, 3), "0");
    Type(dialog.RunSEdit(), "-1");
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.ProblemLabel()->text(),
              QStringLiteral("Duração da correção: esperado um número de 0 ou mais, ou nada"));

    Type(dialog.RunSEdit(), "");
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_TRUE(dialog.Result().has_value());
    EXPECT_FALSE(dialog.Result()->hasRunS);
    ASSERT_EQ(dialog.Result()->checks.size(), 1u);
    EXPECT_EQ(dialog.Result()->checks[0].min, 5.5);
    EXPECT_FALSE(dialog.Result()->checks[0].HasMax());
    EXPECT_EQ(dialog.Result()->checks[0].window, 0u);
}

// Every figure's name fits its column at the dialog's opening size, and each limit shows its unit.
TEST_F(ExerciseEditorTest, FigureNamesFitAndLimitsShowTheirUnits) {
    CExerciseDlg dialog(nullptr, 2);
    dialog.show();
    dialog.ChecksTable()->AddButton()->click();
    QTableWidget& checks = *dialog.ChecksTable()->Table();
    auto& figure = *qobject_cast<QComboBox*>(checks.cellWidget(0, 0));
    const std::map<std::string, QString> units = {{"settling_time_s", "s"},
                                                  {"overshoot_pct", "%"},
                                                  {"iae", ""},
                                                  {"peak_deviation", ""},
                                                  {"recovery_time_s", "s"}};
    for (int index = 0; index < figure.count(); ++index) {
        figure.setCurrentIndex(index);
        EXPECT_GE(figure.width(), figure.sizeHint().width()) << figure.currentText().toStdString();
        const auto unit = units.find(checkFigureName(static_cast<std::size_t>(index)));
        if (unit == units.end())
            continue;
        for (int limit : {1, 2})
            EXPECT_EQ(checks.cellWidget(0, limit)->findChild<QLabel*>()->text(), unit->second) << unit->first;
    }
}

CVorlintDoc& ActiveDocument(CMdiChild& child) {
    return dynamic_cast<CVorlintDoc&>(*child.GetDocument());
}

QString ExerciseTitleShown(CMainFrame& frame) {
    return frame.findChild<QLabel*>(QStringLiteral("exerciseTitle"))->text();
}

// The keys the file format lists, a field at its absent value left out, a key this version does not
// know kept.
TEST_F(ExerciseEditorTest, AnEditedExerciseIsSavedAndOpensAgain) {
    const QString path = Path(QStringLiteral("exercise.vrl"));
    WriteFile(path, R"({"format": "vorlint", "version": 1, "windows": [{}, {}],
        "exercise": {"title": "Antigo", "runS": 5, "rubric": "2 pontos"}})");
    ASSERT_NE(App().OpenDocumentFile(path), nullptr);
    CVorlintDoc& document = ActiveDocument(*Active());
    const Exercise exercise = FullExercise();
    document.SetExercise(exercise);
    EXPECT_TRUE(document.IsModified());
    ASSERT_TRUE(document.DoSave(path));
    EXPECT_EQ(FileObject(path).value("exercise").toObject(), QJsonDocument::fromJson(R"({
        "title": "Degrau", "instructions": "Sintonize.\nDepois salve.", "hidePlant": true,
        "runS": 0.30000000000000004, "rubric": "2 pontos",
        "events": [{"atS": 10, "setPoint": 2000}, {"atS": 12.5, "power": 0.7999999999999999}],
        "checks": [{"figure": "overshoot_pct", "max": 5},
                   {"figure": "time_saturated_s", "min": -0.3333333333333333, "max": 8, "window": 2},
                   {"figure": "recovery_time_s", "atS": 12.5}]})")
                                                                 .object());

    Trigger(CommandId::FileClose);
    ASSERT_NE(App().OpenDocumentFile(path), nullptr);
    ASSERT_NE(ActiveDocument(*Active()).GetExercise(), nullptr);
    ExpectSameExercise(*ActiveDocument(*Active()).GetExercise(), exercise);
}

// Simulação > "Exercício..." edits the active document's exercise, which the dock shows at once, and
// "Remover exercício" takes the object out of the file.
TEST_F(ExerciseEditorTest, TheMenuEditsAndRemovesTheDocumentsExercise) {
    const QString path = Path(QStringLiteral("exercise.vrl"));
    WriteFile(path, R"({"format": "vorlint", "version": 1, "exercise": {"title": "Antigo"}})");
    ASSERT_NE(App().OpenDocumentFile(path), nullptr);
    ModalAnswer rename([](QWidget* widget) {
        auto* dialog = qobject_cast<CExerciseDlg*>(widget);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->TitleEdit()->text(), QStringLiteral("Antigo"));
        dialog->TitleEdit()->setText(QStringLiteral("Novo"));
        dialog->HidePlantBox()->setChecked(true);
        dialog->accept();
    });
    Trigger(CommandId::SimExercise);
    ASSERT_TRUE(rename.Fired());
    EXPECT_EQ(ActiveDocument(*Active()).GetExercise()->title, "Novo");
    EXPECT_EQ(ExerciseTitleShown(Frame()), QStringLiteral("Novo"));
    EXPECT_TRUE(ActiveView().PlantHidden()) << "hidden at once, not when the file opens again";

    ModalAnswer remove([](QWidget* widget) {
        auto* dialog = qobject_cast<CExerciseDlg*>(widget);
        ASSERT_NE(dialog, nullptr);
        dialog->RemoveExerciseButton()->click();
    });
    Trigger(CommandId::SimExercise);
    ASSERT_TRUE(remove.Fired());
    EXPECT_EQ(ActiveDocument(*Active()).GetExercise(), nullptr);
    EXPECT_EQ(ExerciseTitleShown(Frame()), QStringLiteral("Sem exercício"));
    EXPECT_FALSE(ActiveView().PlantHidden());
    ASSERT_TRUE(Active()->GetDocument()->DoSave(path));
    EXPECT_FALSE(FileObject(path).contains("exercise"));
}

} // namespace
