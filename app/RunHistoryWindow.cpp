#include "RunHistoryWindow.h"

#include "ChartPicture.h"
#include "ExportCommands.h"
#include "HistoryView.h"
#include "LabReport.h"
#include "VorlintView.h"

#include <QCoreApplication>

#include <cmath>

namespace {

CHistoryView& CreateRunHistory(CVorlintView& view, const QString& title) {
    auto* history = new CHistoryView(view);
    // The exports propose "lab-historico.png" for the window "lab.vrl".
    const QString exportTitle = title + QCoreApplication::translate("RunHistoryWindow", "-historico");
    QObject::connect(history, &CHistoryView::exportChartRequested, history,
                     [history, exportTitle](bool wholeRun) {
                         ExportChartAs(*history->ChartPicture(wholeRun), exportTitle, history);
                     });
    QObject::connect(
        history, &CHistoryView::exportDataRequested, history, [history, exportTitle](bool wholeRun) {
            ExportCsvAs([history, wholeRun] { return history->DataCsv(wholeRun); }, exportTitle, history);
        });
    QObject::connect(history, &CHistoryView::labReportRequested, history,
                     [history, &view, title, exportTitle](bool wholeRun) {
                         const RecordedResponse& picked = history->PickedResponse();
                         LabReportRun run = ResponseRun(view, picked);
                         // With no response picked there is none to show: the chart is the one chosen.
                         if (std::isnan(picked.figures.responseStartStep))
                             run.chart = history->ChartPicture(wholeRun);
                         const CLabReport report(view, run, title, QDateTime::currentDateTime());
                         ExportLabReportAs(report, exportTitle, history);
                     });
    return *history;
}

} // namespace

CHistoryView& ShowRunHistory(CVorlintView& view, const QString& title) {
    auto* history = view.findChild<CHistoryView*>(QString(), Qt::FindDirectChildrenOnly);
    if (history == nullptr)
        history = &CreateRunHistory(view, title);
    history->setWindowTitle(
        QCoreApplication::translate("RunHistoryWindow", "Histórico da execução - %1").arg(title));
    history->show();
    history->raise();
    history->activateWindow();
    return *history;
}
