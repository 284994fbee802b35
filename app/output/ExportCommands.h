#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class CVorlintView;
class QWidget;
struct PictureSource;

// Getting the chart and the data out of a simulation window: to files and to the clipboard.

/// Writes the picture to `path` in the format its suffix names (PNG, SVG or PDF); false with the
/// reason in `problem`, leaving no half-written file.
bool ExportPicture(const PictureSource& source, const QString& title, const QString& path, QString& problem);
/// Writes the window's chart to `path` in the format its suffix names (PNG, SVG or PDF); false with
/// the reason in `problem`, leaving no half-written file.
bool ExportChart(const CVorlintView& view, const QString& title, const QString& path, QString& problem);
/// Writes the window's history to `path` as CSV (SampleCsv.h); false with the reason in `problem`.
bool ExportData(const CVorlintView& view, const QString& path, QString& problem);

/// Asks for a file (its type by the chosen filter or suffix) and exports the picture there; a failure
/// is reported. `title` proposes the file's name and names the picture.
void ExportPictureAs(const PictureSource& source, const QString& title, QWidget* parent);
/// Asks for a file and writes the CSV that `csv` gives there; a failure is reported.
void ExportCsvAs(const std::function<QByteArray()>& csv, const QString& title, QWidget* parent);
/// File > "Exportar gráfico...": asks for a file (its type by the chosen filter or suffix) and exports
/// the chart there; a failure is reported.
void ExportChartAs(const CVorlintView& view, const QString& title, QWidget* parent);
/// File > "Exportar dados...": asks for a file and exports the history there; a failure is reported.
void ExportDataAs(const CVorlintView& view, const QString& title, QWidget* parent);
/// Edit > "Copy": puts the chart's image and the history's CSV text on the clipboard together.
void CopyChartAndData(const CVorlintView& view);
