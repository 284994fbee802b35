#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class CChartPicture;
class CLabReport;
class CVorlintView;
class QWidget;

// Getting the chart and the data out of a simulation window: to files and to the clipboard.

/// Writes the chart (a window's, or its run's history) to `path` in the format its suffix names (PNG,
/// SVG or PDF); false with the reason in `problem`, leaving no half-written file.
bool ExportChart(const CChartPicture& chart, const QString& title, const QString& path, QString& problem);
/// Writes the window's history to `path` as CSV (SampleCsv.h); false with the reason in `problem`.
bool ExportData(const CVorlintView& view, const QString& path, QString& problem);

/// File > "Exportar gráfico...": asks for a file (its type by the chosen filter or suffix) and exports
/// the chart there; a failure is reported.
void ExportChartAs(const CChartPicture& chart, const QString& title, QWidget* parent);
/// File > "Exportar dados...": asks for a file and exports the history there; a failure is reported.
void ExportDataAs(const CVorlintView& view, const QString& title, QWidget* parent);
/// File > "Relatório do laboratório..." and the history window's: asks for a PDF file and writes
/// `report` there; a failure is reported.
void ExportLabReportAs(const CLabReport& report, const QString& title, QWidget* parent);
/// Asks for a file and writes the CSV text `csv` gives there, as "Exportar dados..." does.
void ExportCsvAs(const std::function<QByteArray()>& csv, const QString& title, QWidget* parent);
/// Edit > "Copy": puts the chart's image and the history's CSV text on the clipboard together.
void CopyChartAndData(const CVorlintView& view);
