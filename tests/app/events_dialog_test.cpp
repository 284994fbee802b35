#include "AppTestSupport.h"
#include "CommandIds.h"
#include "Document.h"
#include "EventsDlg.h"
#include "RangedEdit.h"

#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTableWidget>
#include <QTest>

namespace {

using EventsDialogTest = AppTest;

void Type(QWidget* edit, const char* text) {
    auto* line = qobject_cast<CRangedEdit*>(edit);
    ASSERT_NE(line, nullptr);
    line->selectAll();
    QTest::keyClicks(line, text);
}

/// Adds a row to the dialog and types its time, setting and value as a student would.
void AddEvent(CEventsTable& events, const char* atS, const char* key, const char* value) {
    events.AddButton()->click();
    QTableWidget& table = *events.Table();
    const int row = table.rowCount() - 1;
    Type(table.cellWidget(row, 0), atS);
    auto* setting = qobject_cast<QComboBox*>(table.cellWidget(row, 1));
    ASSERT_NE(setting, nullptr);
    const SettingRow& wanted = *settingByFileKey(key);
    const int index = setting->findData(QVariant::fromValue(static_cast<const void*>(&wanted)));
    ASSERT_GE(index, 0) << key;
    setting->setCurrentIndex(index);
    Type(table.cellWidget(row, 2), value);
}

/// Steps the window `steps` times and gives the set point of each sample.
std::vector<double> SetPointsOfSteps(CVorlintView& view, int steps) {
    std::vector<double> setPoints;
    for (int step = 1; step <= steps; ++step) {
        view.OnTimer();
        setPoints.push_back(view.m_history.newest().setPoint);
    }
    return setPoints;
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(EventsDialogTest, ATypedEventAppliesBeforeItsStepIsSavedAndRunsAgainFromTheFile) {
    CVorlintView& view = ActiveView();
    ASSERT_EQ(view.m_nSimStepMs, 100u);
    const double before = view.m_dSetPoint;
    ModalAnswer answer([](QWidget* widget) {
        auto* dialog = qobject_cast<CEventsDlg*>(widget);
        ASSERT_NE(dialog, nullptr);
        AddEvent(*dialog->EventsTable(), "0,3", "setPoint", "1500");
        AddEvent(*dialog->EventsTable(), "2.5", "power", "150");
        ASSERT_EQ(dialog->Events().size(), 2u);
        EXPECT_EQ(dialog->Events()[1].change.value.number, 100.0) << "the power's file range";
        dialog->EventsTable()->Table()->setCurrentCell(1, 0);
        dialog->EventsTable()->RemoveButton()->click();
        dialog->accept();
    });
    Trigger(CommandId::SimEvents);
    ASSERT_TRUE(answer.Fired());
    EXPECT_TRUE(Active()->GetDocument()->IsModified());

    const QString path = Path(QStringLiteral("events.vrl"));
    ASSERT_TRUE(Active()->GetDocument()->DoSave(path));
    const QJsonObject window = QJsonDocument::fromJson(ReadAll(path)).object().value("windows")[0].toObject();
    EXPECT_EQ(window.value("events"), QJsonDocument::fromJson(R"([{"atS":0.3,"setPoint":1500}])").array());

    // round(0.3 / 0.1) + 1 = 4.
    const std::vector<double> expected = {before, before, before, 1500.0};
    EXPECT_EQ(SetPointsOfSteps(view, 4), expected);

    Trigger(CommandId::FileClose);
    ASSERT_NE(App().OpenDocumentFile(path), nullptr);
    EXPECT_EQ(SetPointsOfSteps(ActiveView(), 4), expected);

    // The dialog lists them in time order, those of one time as they apply.
    const CEventsDlg listed(
        {{0.5, setPointChange(1.0)}, {0.3, setPointChange(2.0)}, {0.3, setPointChange(3.0)}});
    std::vector<double> order;
    for (const ScheduledEvent& event : listed.Events())
        order.push_back(event.change.value.number);
    EXPECT_EQ(order, (std::vector<double>{2.0, 3.0, 1.0}));

    // Another setting keeps the value as typed, read into its range and tinted while out of it.
    CEventsTable table({});
    AddEvent(table, "1", "disturbance", "-10");
    auto* setting = qobject_cast<QComboBox*>(table.Table()->cellWidget(0, 1));
    const QColor plain = table.Table()->cellWidget(0, 2)->palette().color(QPalette::Base);
    for (const char* key : {"power", "disturbance"}) {
        setting->setCurrentIndex(
            setting->findData(QVariant::fromValue(static_cast<const void*>(settingByFileKey(key)))));
        const auto* value = qobject_cast<CRangedEdit*>(table.Table()->cellWidget(0, 2));
        EXPECT_EQ(value->text(), QStringLiteral("-10")) << key;
        EXPECT_EQ(table.Events()[0].change.value.number, std::string(key) == "power" ? 0.0 : -10.0) << key;
        EXPECT_EQ(value->palette().color(QPalette::Base) != plain, std::string(key) == "power") << key;
    }

    // Events set during a run apply from its next step on: 0.5 s is step 6.
    ActiveView().SetScheduledEvents({{0.5, setPointChange(700.0)}});
    EXPECT_EQ(SetPointsOfSteps(ActiveView(), 2), (std::vector<double>{1500.0, 700.0}));
}

} // namespace
