#pragma once

#include <QString>

class CVorlintView;
class QWidget;

// Getting the chart and the data out of a simulation window: to files and to the clipboard.

/// Writes the window's chart to `path` in the format its suffix names (PNG, SVG or PDF); false with
/// the reason in `problem`, leaving no half-written file.
bool ExportChart(const CVorlintView& view, const QString& title, const QString& path, QString& problem);
/// Writes the window's history to `path` as CSV (SampleCsv.h); false with the reason in `problem`.
bool ExportData(const CVorlintView& view, const QString& path, QString& problem);

/// File > "Exportar gráfico...": asks for a file (its type by the chosen filter or suffix) and exports
/// the chart there; a failure is reported.
void ExportChartAs(const CVorlintView& view, const QString& title, QWidget* parent);
/// File > "Exportar dados...": asks for a file and exports the history there; a failure is reported.
void ExportDataAs(const CVorlintView& view, const QString& title, QWidget* parent);
/// File > "Relatório do laboratório...": asks for a PDF file and writes the window's lab report
/// (LabReport.h) there, dated now; a failure is reported.
void ExportLabReportAs(const CVorlintView& view, const QString& title, QWidget* parent);
/// Edit > "Copy": puts the chart's image and the history's CSV text on the clipboard together.
void CopyChartAndData(const CVorlintView& view);
