#include "AppTestSupport.h"
#include "CommandIds.h"
#include "DialogPanel.h"
#include "DocTemplate.h"
#include "Document.h"
#include "ExpressaoDlg.h"
#include "HostileVrl.h"
#include "PlantControllerDlg.h"
#include "RangedEdit.h"
#include "RecentFileList.h"
#include "SettingSamples.h"
#include "UpDownControl.h"
#include "VrlFile.h"
#include "WindowSetup.h"

#include <QBuffer>
#include <QCheckBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest-spi.h>

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstring>

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

/// A document of the windows `views` as the file writes it.
std::string WrittenVrl(const std::vector<CVorlintView*>& views) {
    VrlDocument document;
    for (CVorlintView* view : views)
        document.windows.push_back(CollectWindowSetup(*view, KeptJson()));
    std::string text;
    std::string problem;
    EXPECT_TRUE(writeVrlDocument(document, text, problem)) << problem;
    return text;
}

QJsonObject SettingsOf(CMdiChild& window) {
    const std::string text = WrittenVrl({window.View()});
    return QJsonDocument::fromJson(QByteArray::fromStdString(text)).object().value("windows")[0].toObject();
}

using VrlFileTest = AppTest;

TEST_F(VrlFileTest, EverySettingOfEveryWindowReadsBackExactlyAndNothingRuns) {
    Trigger(CommandId::WindowNew);
    CVorlintView& first = *Windows()[0]->View();
    first.m_strFormula = "p + ((t/100)*4000 - p*0.5)*dt + 0*(Física|c)";
    first.SetPid(true);
    first.m_dKp = 0.1 + 0.2; // values that need all 17 digits
    first.m_dKi = 1.0 / 3.0;
    first.m_dKd = 2.0e-7 / 3.0;
    first.m_dSetPoint = 1234.5678901234567;
    first.m_dPower = 100.0 / 3.0;
    first.m_nSimStepMs = 4294967295u;
    first.m_nRealStepMs = 7;
    first.m_bShowError = false;
    first.m_bShowIntegral = false;
    first.m_dynamicsSettings = {-2.5, 0.1 + 0.2, 5, 1.0 / 3.0};
    first.m_pidOptions = {0.7, true, 0.05, AntiWindup::BackCalculation, 2.0 / 3.0};
    first.m_sensorActuatorSettings = {0.1 + 0.2, 18446744073709551615u, 1.0 / 3.0, 12.5, true};
    CVorlintView& second = *Windows()[1]->View();
    second.SetOnOff(true);
    second.m_dSetPoint = 2999.9999999999995;
    second.m_bShowProportional = false;
    second.m_bShowDerivative = false;
    second.m_bShowPower = false;
    const QJsonObject expected[] = {
        {{"formula", "p + ((t/100)*4000 - p*0.5)*dt + 0*(Física|c)"},
         {"pid", true},
         {"onOff", false},
         {"kp", 0.1 + 0.2},
         {"ki", 1.0 / 3.0},
         {"kd", 2.0e-7 / 3.0},
         {"setPoint", 1234.5678901234567},
         {"power", 100.0 / 3.0},
         {"simStepMs", 4294967295.0},
         {"realStepMs", 7},
         {"showError", false},
         {"showProportional", true},
         {"showIntegral", false},
         {"showDerivative", true},
         {"showPower", true},
         {"disturbance", -2.5},
         {"deadTimeS", 0.1 + 0.2},
         {"lagCount", 5},
         {"lagTauS", 1.0 / 3.0},
         {"setPointWeight", 0.7},
         {"derivativeOnMeasurement", true},
         {"derivativeFilterS", 0.05},
         {"antiWindup", "backcalc"},
         {"trackingTimeS", 2.0 / 3.0},
         {"noiseStd", 0.1 + 0.2},
         {"noiseSeed", "18446744073709551615"}, // beyond what a JSON number keeps exactly
         {"quantization", 1.0 / 3.0},
         {"rateLimit", 12.5},
         {"bumpless", true}},
        {{"formula", "p + ((t/100)*5000 - p*1.0)*dt"},
         {"pid", false},
         {"onOff", true},
         {"kp", 0},
         {"ki", 0},
         {"kd", 0},
         {"setPoint", 2999.9999999999995},
         {"power", 0},
         {"simStepMs", 100},
         {"realStepMs", 1},
         {"showError", true},
         {"showProportional", false},
         {"showIntegral", true},
         {"showDerivative", false},
         {"showPower", false},
         {"disturbance", 0},
         {"deadTimeS", 0},
         {"lagCount", 0},
         {"lagTauS", 1},
         {"setPointWeight", 1},
         {"derivativeOnMeasurement", false},
         {"derivativeFilterS", 0},
         {"antiWindup", "none"},
         {"trackingTimeS", 1},
         {"noiseStd", 0},
         {"noiseSeed", 1},
         {"quantization", 0},
         {"rateLimit", 0},
         {"bumpless", false}},
    };
    const QString path = Path(QStringLiteral("lab.vrl"));
    ASSERT_TRUE(Active()->GetDocument()->DoSave(path));

    const QJsonObject root = QJsonDocument::fromJson(ReadAll(path)).object();
    EXPECT_EQ(root.value("format"), QJsonValue("vorlint"));
    EXPECT_EQ(root.value("version"), QJsonValue(1));
    EXPECT_EQ(root.value("windows"), QJsonValue(QJsonArray({expected[0], expected[1]})));

    Trigger(CommandId::FileClose);
    ASSERT_NE(App().OpenDocumentFile(path), nullptr);
    const std::vector<CMdiChild*> windows = Windows();
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_EQ(windows[1]->windowTitle(), QStringLiteral("lab.vrl:2"));
    // Showing Ki in its panel re-reads it with the panel's six decimals, as every Ki the panel shows.
    QJsonObject shown[] = {expected[0], expected[1]};
    shown[0].insert("ki", 0.333333);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(SettingsOf(*windows[i]), shown[i]) << i;
        EXPECT_FALSE(windows[i]->View()->IsRunning());
        EXPECT_FALSE(windows[i]->View()->IsTimerArmed());
    }
    EXPECT_EQ(windows[0]->Frame()->ControlPanel()->Control<QLineEdit>(ControlId::Kp)->text(),
              QStringLiteral("0,300000"))
        << "the panels show what was read";
    EXPECT_FALSE(windows[0]->GetDocument()->IsModified());
}

/// What a file holds where a setting's command line would be refused: the same value as JSON.
QJsonValue RefusedJson(const SettingRow& row) {
    const QString text = QString::fromStdString(RefusedText(row));
    bool number = false;
    const double value = text.toDouble(&number);
    return number ? QJsonValue(value) : row.kind == SettingKind::Text ? QJsonValue(5) : QJsonValue(text);
}

TEST(WindowSettingsTableTest, EverySavedSettingReadsBackAndIsRefusedOutOfRangeTheDialogShowsItsGroups) {
    for (const SettingRow& row : settingRows()) {
        if (row.fileKey == nullptr)
            continue;
        SCOPED_TRACE(row.fileKey);
        CVorlintView saved;
        CVorlintView opened;
        SettingTarget target{saved, &saved};
        const SettingValue sample = SampleValue(row, row.read(target));
        applySetting(target, row, sample);
        VrlDocument document;
        std::string problem;
        ASSERT_TRUE(readVrlDocument(WrittenVrl({&saved}), document, problem)) << problem;
        ApplyWindowSetup(document.windows[0], opened);
        const SettingValue back = row.read(SettingSource(opened, &opened));
        EXPECT_EQ(back.number, sample.number);
        EXPECT_EQ(back.text, sample.text);
        const QJsonValue refused = RefusedJson(row);
        if (!(refused.isDouble() && std::isinf(refused.toDouble())) && !RefusedText(row).empty()) {
            const QJsonObject root{
                {"format", "vorlint"},
                {"version", 1},
                {"windows", QJsonArray{QJsonObject{{QLatin1String(row.fileKey), refused}}}}};
            EXPECT_FALSE(readVrlDocument(QJsonDocument(root).toJson().toStdString(), document, problem));
        }
    }
    CVorlintView window;
    const CPlantControllerDlg dialog(SettingSource(window, &window), {});
    for (const SettingRow& row : settingRows()) {
        const bool inDialog = row.group == SettingGroup::Dynamics || row.group == SettingGroup::Options ||
                              row.group == SettingGroup::Sensor;
        EXPECT_EQ(dialog.Field(row) != nullptr, inDialog) << (row.fileKey ? row.fileKey : row.option);
    }
}

TEST_F(VrlFileTest, UnknownKeysAreKeptAndMissingOnesTakeTheDefaults) {
    const QString path = Path(QStringLiteral("future.vrl"));
    WriteFile(path, R"({"format": "vorlint", "version": 1, "teacher": "Ana",
                        "windows": [{"kp": 2, "pid": true, "onOff": true, "noiseLevel": 3}]})");
    ASSERT_NE(App().OpenDocumentFile(path), nullptr);
    const CVorlintView& view = ActiveView();
    EXPECT_EQ(view.m_dKp, 2.0);
    EXPECT_TRUE(view.m_bPid);
    EXPECT_FALSE(view.m_bOnOff) << "both controllers on: PID, as the step would run";
    EXPECT_EQ(view.m_dKi, 0.0);
    EXPECT_EQ(view.m_nSimStepMs, 100u);
    EXPECT_EQ(view.m_dynamicsSettings, PlantDynamicsSettings()) << "a file from before the plant options";
    EXPECT_EQ(view.m_pidOptions, PidOptions());

    ASSERT_TRUE(Active()->GetDocument()->DoFileSave());
    const QJsonObject root = QJsonDocument::fromJson(ReadAll(path)).object();
    EXPECT_EQ(root.value("teacher"), QJsonValue("Ana"));
    EXPECT_EQ(root.value("windows")[0].toObject().value("noiseLevel"), QJsonValue(3));
}

TEST_F(VrlFileTest, AWindowRunsItsEventsAndTheyAndTheExerciseAreKeptAsTheyCame) {
    const QString path = Path(QStringLiteral("exercise.vrl"));
    const QByteArray events = R"([{"atS":1.06,"later":2,"power":40,"setPoint":900}])";
    const QByteArray exercise = R"({"checks":[{"figure":"iae","max":1000,"window":1}],"events":[{"atS":0,)"
                                R"("bumpless":true}],"hidePlant":true,"instructions":"Sintonize.","runS":30,)"
                                R"("title":"Degrau"})";
    WriteFile(path, R"({"format": "vorlint", "version": 1, "exercise": )" + exercise +
                        R"(, "windows": [{"kp": 2, "events": )" + events + "}]}");
    ASSERT_NE(App().OpenDocumentFile(path), nullptr);
    CVorlintView& view = ActiveView();
    for (int step = 1; step <= 11; ++step)
        view.OnTimer();
    EXPECT_EQ(view.m_history.newest().setPoint, 0.0) << "an event waits for its step, round(10.6) + 1";
    view.OnTimer();
    EXPECT_EQ(view.m_history.newest().setPoint, 900.0);
    EXPECT_EQ(view.m_history.newest().power, 40.0);
    ASSERT_TRUE(Active()->GetDocument()->DoFileSave());
    const QJsonObject root = QJsonDocument::fromJson(ReadAll(path)).object();
    EXPECT_EQ(root.value("exercise"), QJsonDocument::fromJson(exercise).object());
    EXPECT_EQ(root.value("windows")[0].toObject().value("events"), QJsonDocument::fromJson(events).array());
}

TEST_F(VrlFileTest, RefusedFilesNameTheFileAndWhatIsWrongAndOpenNothing) {
    const std::pair<QByteArray, const char*> rows[] = {
        {QByteArray(1024 * 1024 + 1, ' '), "the file is larger than 1 MB"},
        {QByteArray("\x00\xff not a simulation", 20), "not JSON (a NUL byte at byte 0)"},
        {R"({"format": "vorlint", "version": 1, "windows": [{"kp": 1e999}]})",
         "windows[0].kp: a number out of range (1e999)"},
        {"[]", "not a Vorlint file (it lacks \"format\": \"vorlint\")"},
        {R"({"format": "tiled", "version": 1})", "not a Vorlint file (it lacks \"format\": \"vorlint\")"},
        {R"({"format": "vorlint", "version": 2})",
         "version 2 comes from a newer Vorlint; this one reads version 1"},
        {R"({"format": "vorlint", "version": "1"})", "version: expected a whole number from 1"},
        {R"({"format": "vorlint"})", "version: expected a whole number from 1"},
        {R"({"format": "vorlint", "version": 1, "windows": {}})", "windows: expected a list"},
        {R"({"format": "vorlint", "version": 1, "windows": [{}, 3]})", "windows[1]: expected an object"},
        {R"({"format": "vorlint", "version": 1, "windows": [{"kp": "1"}]})",
         "windows[0].kp: expected a finite number"},
        {R"({"format": "vorlint", "version": 1, "windows": [{"pid": 1}]})",
         "windows[0].pid: expected true or false"},
        {R"({"format": "vorlint", "version": 1, "windows": [{"formula": null}]})",
         "windows[0].formula: expected a text"},
        {R"({"format": "vorlint", "version": 1, "windows": [{"simStepMs": 1.5}]})",
         "windows[0].simStepMs: expected a whole number from 0 to 4294967295"},
        {R"({"format": "vorlint", "version": 1, "windows": [{"realStepMs": 4294967296}]})",
         "windows[0].realStepMs: expected a whole number from 0 to 4294967295"},
        {R"({"format": "vorlint", "version": 1, "windows": [{"realStepMs": -1}]})",
         "windows[0].realStepMs: expected a whole number from 0 to 4294967295"},
        {R"({"format": "vorlint", "version": 1, "windows": [{"deadTimeS": -0.5}]})",
         "windows[0].deadTimeS: expected a finite number of 0 or more"},
        {R"({"format": "vorlint", "version": 1, "windows": [{"trackingTimeS": 0}]})",
         "windows[0].trackingTimeS: expected a finite number above 0"},
        {R"({"format": "vorlint", "version": 1, "windows": [{"lagCount": 6}]})",
         "windows[0].lagCount: expected a whole number from 0 to 5"},
        {R"({"format": "vorlint", "version": 1, "windows": [{"setPoint": 3000.0000000000005}]})",
         "windows[0].setPoint: expected a number from 0 to 3000"},
        {R"({"format": "vorlint", "version": 1, "windows": [{"power": -0.01}]})",
         "windows[0].power: expected a number from 0 to 100"},
        {R"({"format": "vorlint", "version": 1, "windows": [{"antiWindup": "clamp"}]})",
         "windows[0].antiWindup: expected \"none\", \"conditional\" or \"backcalc\""},
        {R"({"format": "vorlint", "version": 1, "windows": [{"events": [{"atS": -1, "kp": 1}]}]})",
         "windows[0].events[0].atS: expected a finite number of 0 or more"},
        {R"({"format": "vorlint", "version": 1, "windows": [{"events": [{"atS": 1, "lagCount": 6}]}]})",
         "windows[0].events[0].lagCount: expected a whole number from 0 to 5"},
        {R"({"format": "vorlint", "version": 1, "exercise": {"checks": [{"figure": "iae", "min": 2, "max": 1}]}})",
         "exercise.checks[0].min: above max"},
        {R"({"format": "vorlint", "version": 1, "exercise": 1})", "exercise: expected an object"},
        {R"({"format": "vorlint", "version": 1, "windows": [{"formula": "p\ud800"}]})",
         "windows[0].formula: a lone surrogate"},
        {"{\"format\": \"vorlint\", \"version\": 1, \"windows\": [" + QByteArray("{},").repeated(100) +
             "{}]}",
         "windows: more than 100 windows"},
    };
    const QString path = Path(QStringLiteral("refused.vrl"));
    for (const auto& [content, problem] : rows) {
        WriteFile(path, content);
        QString message;
        ModalAnswer answer(Press(QMessageBox::Ok, &message));
        EXPECT_EQ(App().OpenDocumentFile(path), nullptr) << problem;
        EXPECT_EQ(message,
                  QStringLiteral("Failed to open document.\n\n%1: %2").arg(path, QString::fromUtf8(problem)));
    }
    EXPECT_EQ(Windows().size(), 1u);
    EXPECT_EQ(App().DocTemplate().Documents().size(), 1u);
    EXPECT_EQ(App().RecentFileList().GetCount(), 0);

    WriteFile(path, "{\"format\": \"vorlint\", \"version\": 1, \"windows\": [" +
                        QByteArray("{},").repeated(99) + "{}]}");
    QString refusal;
    ModalAnswer answer(Press(QMessageBox::Ok, &refusal));
    EXPECT_NE(App().OpenDocumentFile(path), nullptr)
        << "the most windows a file may hold: " << refusal.toStdString();
    EXPECT_EQ(Windows().size(), 101u);
}

TEST_F(VrlFileTest, EachHostileFileGetsTheVerdictCheckGives) {
    for (const HostileVrl& file : hostileVrlFiles()) {
        const QString path = QString::fromStdString(file.path);
        QString message;
        ModalAnswer answer(Press(QMessageBox::Ok, &message));
        CDocument* document = App().OpenDocumentFile(path);
        if (file.problem == "ok") {
            EXPECT_NE(document, nullptr) << file.path << ": " << message.toStdString();
            Trigger(CommandId::FileClose);
        } else {
            EXPECT_EQ(document, nullptr) << file.path;
            EXPECT_EQ(message, QStringLiteral("Failed to open document.\n\n%1: %2")
                                   .arg(path, QString::fromStdString(file.problem)));
        }
    }
}

TEST(UnexpectedDialogTest, AModalDialogNobodyAnswersFailsTheTestWithItsTextInSeconds) {
    QElapsedTimer clock;
    clock.start();
    EXPECT_NONFATAL_FAILURE(
        {
            QMessageBox box(QMessageBox::Warning, QStringLiteral("Vorlint"),
                            QStringLiteral("a refused file"));
            box.exec();
        },
        "an unexpected modal dialog stayed open: a refused file");
    EXPECT_LT(clock.elapsed(), 2 * UnexpectedDialogGuard::kPatienceMs);
}

TEST_F(VrlFileTest, AFailedSaveGivesTheSystemsReason) {
    const QString path = Path(QStringLiteral("no-such-folder/lab.vrl"));
    QString message;
    ModalAnswer answer(Press(QMessageBox::Ok, &message));
    EXPECT_FALSE(Active()->GetDocument()->DoSave(path));
    // The system's words are in the user's language: English in the C locale.
    const QString reason = std::strcmp(std::setlocale(LC_MESSAGES, nullptr), "C") == 0
                               ? QStringLiteral("No such file or directory")
                               : qt_error_string(ENOENT);
    EXPECT_EQ(message, QStringLiteral("Failed to save document.\n\n%1: %2").arg(path, reason));
}

TEST_F(VrlFileTest, TheShippedExamplesOpenWithTheirWindows) {
    const std::pair<const char*, std::size_t> examples[] = {{"step-response.vrl", 1},
                                                            {"dead-time-and-lags.vrl", 2}};
    std::size_t windows = Windows().size();
    for (const auto& [name, count] : examples) {
        const QString path = QStringLiteral(VORLINT_EXAMPLES_DIR "/") + QLatin1String(name);
        EXPECT_NE(App().OpenDocumentFile(path), nullptr) << name;
        windows += count;
        EXPECT_EQ(Windows().size(), windows) << name;
    }
    EXPECT_EQ(ActiveView().m_dynamicsSettings.lagCount, 2u);
}

TEST_F(VrlFileTest, AFailedSaveSaysSoAndLeavesTheOldFileWhole) {
    const QString path = Path(QStringLiteral("kept.vrl"));
    ASSERT_TRUE(Active()->GetDocument()->DoSave(path));
    const QByteArray old = ReadAll(path);
    CDocument* document = Active()->GetDocument();
    CVorlintView& view = ActiveView();
    view.m_strFormula = std::string(200, 'p'); // more than the old file's size
    struct Cause {
        QString reason;
        rlim_t sizeLimit;
        double* setting;
        double value;
    };
    const Cause causes[] = {
        // A full disk, as a writer sees it.
        {qt_error_string(EFBIG), static_cast<rlim_t>(old.size()), &view.m_dKp, 0.0},
        {QStringLiteral("windows[0].kp: expected a finite number"), RLIM_INFINITY, &view.m_dKp, qInf()},
        {QStringLiteral("windows[0].disturbance: expected a finite number"), RLIM_INFINITY,
         &view.m_dynamicsSettings.disturbance, -qInf()},
    };
    for (const Cause& cause : causes) {
        view.m_dKp = 0.0; // one cause at a time
        *cause.setting = cause.value;
        document->SetModifiedFlag();
        QString message;
        ModalAnswer answer(Press(QMessageBox::Ok, &message));
        {
            const FileSizeLimit limit(cause.sizeLimit);
            EXPECT_FALSE(document->DoFileSave());
        }
        EXPECT_EQ(message, QStringLiteral("Failed to save document.\n\n%1: %2").arg(path, cause.reason));
        EXPECT_EQ(ReadAll(path), old);
        EXPECT_EQ(QDir(m_folder.path()).entryList(QDir::Files), QStringList({QStringLiteral("kept.vrl")}));
        EXPECT_TRUE(document->IsModified());
    }
}

/// A file whose only window is empty and whose key "pad" holds `padding` letters.
QByteArray PaddedFile(qsizetype padding) {
    return R"({"format": "vorlint", "version": 1, "windows": [{}], "pad": ")" + QByteArray(padding, 'x') +
           "\"}";
}

TEST_F(VrlFileTest, WhatSaveWritesAtEachLimitOpensAgainAndOneMoreIsRefusedLeavingTheFileWhole) {
    const QString path = Path(QStringLiteral("limit.vrl"));
    const auto saveAndReopen = [&] {
        EXPECT_TRUE(Active()->GetDocument()->DoFileSave());
        Trigger(CommandId::FileClose);
        return App().OpenDocumentFile(path);
    };
    // The file's size: compact JSON, whose size pins the padding that brings it to exactly 1 MB.
    WriteFile(path, PaddedFile(0));
    ASSERT_NE(App().OpenDocumentFile(path), nullptr);
    ASSERT_NE(saveAndReopen(), nullptr);
    Trigger(CommandId::FileClose);
    const QByteArray saved = ReadAll(path);
    EXPECT_EQ(saved, QJsonDocument::fromJson(saved).toJson(QJsonDocument::Compact));
    const qsizetype padding = 1024 * 1024 - saved.size();
    WriteFile(path, PaddedFile(padding));
    ASSERT_NE(App().OpenDocumentFile(path), nullptr);
    ASSERT_NE(saveAndReopen(), nullptr);
    EXPECT_EQ(ReadAll(path).size(), 1024 * 1024);
    Trigger(CommandId::FileClose);
    WriteFile(path, PaddedFile(padding + 1));
    ASSERT_NE(App().OpenDocumentFile(path), nullptr);
    QString message;
    {
        ModalAnswer answer(Press(QMessageBox::Ok, &message));
        EXPECT_FALSE(Active()->GetDocument()->DoFileSave());
    }
    EXPECT_EQ(message,
              QStringLiteral("Failed to save document.\n\n%1: the file is larger than 1 MB").arg(path))
        << "what the reader would say of the file";
    EXPECT_EQ(ReadAll(path), PaddedFile(padding + 1));
    Trigger(CommandId::FileClose);

    // The windows: exactly 100 open and save, a 101st is refused by New Window and by the writer.
    WriteFile(path, "{\"format\": \"vorlint\", \"version\": 1, \"windows\": [" +
                        QByteArray("{},").repeated(99) + "{}]}");
    ASSERT_NE(App().OpenDocumentFile(path), nullptr);
    CDocument* document = Active()->GetDocument();
    ASSERT_EQ(document->Frames().size(), 100u);
    {
        ModalAnswer answer(Press(QMessageBox::Ok, &message));
        Trigger(CommandId::WindowNew);
        EXPECT_TRUE(answer.Fired());
    }
    EXPECT_EQ(message, QStringLiteral(
                           "Este documento já tem 100 janelas, o máximo que um arquivo do Vorlint guarda."));
    ASSERT_EQ(document->Frames().size(), 100u);
    document = saveAndReopen();
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->Frames().size(), 100u);
    VrlDocument content;
    content.windows.resize(101);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EXPECT_FALSE(WriteVrl(buffer, content, message));
    EXPECT_EQ(message, QStringLiteral("windows: more than 100 windows"));
    EXPECT_TRUE(buffer.data().isEmpty());
}

TEST_F(VrlFileTest, SavingOverAFileAnotherProgramChangedAsksWhetherToOverwriteSaveAsOrCancel) {
    const QString path = Path(QStringLiteral("lab.vrl"));
    CDocument* document = Active()->GetDocument();
    ASSERT_TRUE(document->DoSave(path));
    const QByteArray ours = ReadAll(path);
    const QByteArray theirs = QByteArray(ours).replace("\"version\":1", "\"version\":1,\"teacher\":\"Ana\"");
    ASSERT_NE(theirs, ours);

    WriteFile(path, theirs);
    QString text;
    {
        ModalAnswer answer(PressLabelled(QStringLiteral("Cancelar"), &text));
        EXPECT_FALSE(document->DoFileSave());
    }
    EXPECT_EQ(text, QStringLiteral("O arquivo foi alterado por outro programa desde que foi aberto."));
    EXPECT_EQ(ReadAll(path), theirs);

    const QString copy = Path(QStringLiteral("copy.vrl"));
    std::unique_ptr<ModalAnswer> chooseCopy;
    {
        ModalAnswer answer([&](QWidget* box) {
            chooseCopy = std::make_unique<ModalAnswer>(ChooseFile(copy));
            PressLabelled(QStringLiteral("Salvar como..."))(box);
        });
        EXPECT_TRUE(document->DoFileSave());
    }
    EXPECT_EQ(ReadAll(path), theirs);
    EXPECT_EQ(ReadAll(copy), ours);
    EXPECT_EQ(document->GetPathName(), copy);

    // A rewrite of the same size at the same time shows in the content alone.
    const QDateTime savedAt = QFileInfo(copy).lastModified();
    WriteFile(copy, QByteArray(ours).replace("vorlint", "VORLINT"));
    {
        QFile file(copy);
        ASSERT_TRUE(file.open(QIODevice::Append));
        ASSERT_TRUE(file.setFileTime(savedAt, QFileDevice::FileModificationTime));
    }
    {
        ModalAnswer answer(PressLabelled(QStringLiteral("Sobrescrever")));
        EXPECT_TRUE(document->DoFileSave());
        EXPECT_TRUE(answer.Fired());
    }
    EXPECT_EQ(ReadAll(copy), ours);
    ModalAnswer none(Press(QMessageBox::Cancel));
    EXPECT_TRUE(document->DoFileSave()) << "the file is as the document wrote it";
    EXPECT_FALSE(none.Fired());
}

TEST_F(VrlFileTest, TheUsersChangesMarkTheDocumentModifiedARunDoesNot) {
    Frame().show();
    CDocument* document = Active()->GetDocument();
    ActiveView().SetPid(true);
    ActiveView().m_dKp = 1.0;
    ActiveView().m_dSetPoint = 1500.0;
    Active()->Frame()->ExchangePanels(false);
    Trigger(CommandId::SimStart);
    for (int i = 0; i < 30; ++i)
        ActiveView().OnTimer();
    Trigger(CommandId::SimStop);
    EXPECT_FALSE(document->IsModified()) << "a running simulation changes the power and the panels";

    const CDialogPanel* controls = Active()->Frame()->ControlPanel();
    const std::pair<const char*, std::function<void()>> edits[] = {
        {"typing a gain", [&] { QTest::keyClicks(controls->Control<QLineEdit>(ControlId::Kd), "5"); }},
        {"a check box", [&] { controls->Control<QCheckBox>(ControlId::ShowError)->click(); }},
        {"an up-down arrow",
         [&] { controls->Control<CUpDownControl>(ControlId::KpSpin)->UpButton()->click(); }},
        {"a trackbar",
         [&] {
             Active()
                 ->Frame()
                 ->SliderPanel()
                 ->Control<QSlider>(ControlId::SetPoint)
                 ->triggerAction(QAbstractSlider::SliderPageStepSub);
         }},
        {"the formula dialog",
         [&] {
             ModalAnswer answer([](QWidget* dialog) {
                 qobject_cast<CExpressaoDlg*>(dialog)->FormulaEdit()->setText(QStringLiteral("p"));
                 QMetaObject::invokeMethod(dialog, "accept");
             });
             Trigger(CommandId::SimFormula);
         }},
        {"the plant and controller dialog",
         [&] {
             ModalAnswer answer([](QWidget* dialog) {
                 auto* plant = qobject_cast<CPlantControllerDlg*>(dialog);
                 auto* tau = qobject_cast<QLineEdit*>(plant->Field(*settingByFileKey("lagTauS")));
                 tau->selectAll();
                 QTest::keyClicks(tau, "-2");
                 QMetaObject::invokeMethod(dialog, "accept");
             });
             Trigger(CommandId::SimPlantController);
         }},
    };
    for (const auto& [what, edit] : edits) {
        document->SetModifiedFlag(false);
        edit();
        EXPECT_TRUE(document->IsModified()) << what;
    }
    EXPECT_EQ(ActiveView().m_dynamicsSettings.lagTauS, 0.0) << "a negative time constant is clamped";
}

TEST_F(VrlFileTest, FileDialogsStartInTheFolderLastUsed) {
    ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("aulas")));
    const QString folder = Path(QStringLiteral("aulas"));
    {
        ModalAnswer save(ChooseFile(folder + QStringLiteral("/lab.vrl")));
        Trigger(CommandId::FileSaveAs);
        ASSERT_TRUE(save.Fired());
    }
    QString shown;
    ModalAnswer open([&](QWidget* dialog) {
        shown = qobject_cast<QFileDialog*>(dialog)->directory().absolutePath();
        dialog->close();
    });
    Trigger(CommandId::FileOpen);
    EXPECT_EQ(shown, folder);
}

} // namespace
