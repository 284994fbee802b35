#include "ActiveWindowReadout.h"
#include "AppTestSupport.h"
#include "CommandIds.h"
#include "Document.h"
#include "ExerciseDock.h"
#include "SessionScript.h"

#include <QLabel>

namespace {

using ExerciseDockTest = AppTest;

QString Text(CMainFrame& frame, const QString& name) {
    const QLabel* label = frame.ExerciseDock()->findChild<QLabel*>(name);
    return label != nullptr ? label->text() : QStringLiteral("(none)");
}

QStringList Row(CMainFrame& frame, int row) {
    const QString name = QStringLiteral("check%1").arg(row);
    return {Text(frame, name + "Value"), Text(frame, name + "Limits"), Text(frame, name + "Result")};
}

// Each check is held to the active window's latest response, only in the window it names; a figure not
// yet defined fails. Window 1 steps from rest (point 20) to its set point 1500 at its first step.
TEST_F(ExerciseDockTest, ChecksTheActiveWindowsResponseLive) {
    const QString path = Path(QStringLiteral("exercise.vrl"));
    WriteFile(path, R"({"format": "vorlint", "version": 1, "exercise": {"title": "Degrau",
        "instructions": "Sintonize.", "checks": [{"figure": "setpoint", "min": 1400, "max": 1600},
        {"figure": "initial_point", "max": 10, "window": 1}, {"figure": "peak", "window": 2}]},
        "windows": [{"pid": true, "kp": 0.01, "ki": 20, "setPoint": 1500}, {"setPoint": 700}]})");
    const CDocument* document = App().OpenDocumentFile(path);
    ASSERT_NE(document, nullptr);
    Trigger(CommandId::ViewExercise);
    EXPECT_FALSE(Frame().ExerciseDock()->isHidden());
    EXPECT_TRUE(Action(CommandId::ViewExercise).isChecked());
    SessionScript::Activate(Frame(), *document->Frames()[0]);
    for (int step = 0; step < 5; ++step)
        ActiveView().OnTimer();
    Frame().Readout()->Refresh();
    EXPECT_EQ(Text(Frame(), "exerciseTitle"), QStringLiteral("Degrau"));
    EXPECT_EQ(Text(Frame(), "exerciseInstructions"), QStringLiteral("Sintonize."));
    EXPECT_EQ(Row(Frame(), 1), QStringList({"1500,0", "de 1400,0 a 1600,0", "✓"}));
    EXPECT_EQ(Row(Frame(), 2), QStringList({"20,0", "≤ 10,0", "✗"}));
    EXPECT_EQ(Text(Frame(), "check3Value"), QStringLiteral("(none)"));

    SessionScript::Activate(Frame(), *document->Frames()[1]);
    Frame().Readout()->Refresh();
    EXPECT_EQ(Row(Frame(), 1), QStringList({"–", "de 1400,0 a 1600,0", "✗"})) << "no step yet";
    EXPECT_EQ(Row(Frame(), 2), QStringList({"–", "definido", "✗"}));
    ActiveView().OnTimer();
    Frame().Readout()->Refresh();
    EXPECT_EQ(Row(Frame(), 1), QStringList({"700,0", "de 1400,0 a 1600,0", "✗"}));
    // While nothing changes the dock is left alone: a thousand checks cost nothing while stopped.
    Frame()
        .ExerciseDock()
        ->findChild<QLabel*>(QStringLiteral("check1Value"))
        ->setText(QStringLiteral("kept"));
    Frame().Readout()->Refresh();
    EXPECT_EQ(Text(Frame(), "check1Value"), QStringLiteral("kept"));
    ActiveView().OnTimer();
    Frame().Readout()->Refresh();
    EXPECT_EQ(Text(Frame(), "check1Value"), QStringLiteral("700,0")) << "a new step shows again";

    Trigger(CommandId::FileNew);
    Frame().Readout()->Refresh();
    EXPECT_EQ(Text(Frame(), "exerciseTitle"), QStringLiteral("Sem exercício"));
    EXPECT_EQ(Text(Frame(), "check1Value"), QStringLiteral("(none)"));
}

} // namespace
