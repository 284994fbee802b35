#pragma once

#include "LabReportRun.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <memory>

class CChartPicture;
class CVorlintView;

/// File > "Relatório do laboratório...": one window on A4 pages for a student's report, in the
/// interface's language: a title with the document's name and the date, the chart of the response
/// measured as vectors, the setup in effect at the response's start, the step-response figures each
/// with its value and what it measures, and what the tuning dialog last found for the window (its
/// model and each rule's gains and predicted figures).
class CLabReport {
public:
    CLabReport(const CVorlintView& view, const QString& documentName, const QDateTime& when);
    /// The report of `run` (a response picked in the window's history, say) with the window's tuning.
    CLabReport(const CVorlintView& view, const LabReportRun& run, const QString& documentName,
               const QDateTime& when);

    /// The report's text in its order, a line each (a heading, a setup line, "Figure: value — what it
    /// measures"); the chart stands between the date and the setup.
    const QStringList& Lines() const { return m_lines; }
    /// The report as a PDF; empty when it cannot be drawn.
    QByteArray PdfBytes() const;

private:
    void AddSetup(const std::optional<SetupValues>& setup);
    void AddFigures(const RecordedResponse& response);
    void AddTuning();

    const CVorlintView& m_view;
    std::shared_ptr<const CChartPicture> m_chart;
    QString m_strTitle;
    QStringList m_lines;
    /// Lines before this one are the title and the date; the chart follows them.
    int m_nChartAfter = 0;
};
