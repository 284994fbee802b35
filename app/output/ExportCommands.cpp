#include "ExportCommands.h"

#include "ChartPictures.h"
#include "FileDialogFolder.h"
#include "FileErrorBox.h"
#include "LabReport.h"
#include "SafeFileWrite.h"
#include "SampleCsv.h"
#include "VorlintView.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QMimeData>

#include <algorithm>
#include <functional>
#include <memory>
#include <new>

namespace {

const char* const kChartFilters =
    QT_TRANSLATE_NOOP("ExportCommands", "Imagem PNG (*.png);;Desenho SVG (*.svg);;Documento PDF (*.pdf)");
const char* const kDataFilters = QT_TRANSLATE_NOOP("ExportCommands", "Dados CSV (*.csv)");
const char* const kReportFilters = QT_TRANSLATE_NOOP("ExportCommands", "Documento PDF (*.pdf)");

QByteArray HistoryCsvBytes(const CVorlintView& view) {
    return QByteArray::fromStdString(historyCsv(view.m_history, view.MeasurementDiffersFromPoint()));
}

/// A file name to propose for an export of the window titled `title` ("lab.vrl:2" gives "lab-2").
QString ProposedName(const QString& title, const QString& suffix) {
    QString base = title;
    base.replace(QLatin1String(".vrl"), QString()).replace(QLatin1Char(':'), QLatin1Char('-'));
    return QDir(FileDialogFolder()).filePath(base + suffix);
}

/// The suffix of the chosen filter ("Imagem PNG (*.png)" gives ".png").
QString FilterSuffix(const QString& filter) {
    const int star = filter.lastIndexOf(QLatin1Char('*'));
    return star < 0 ? QString() : filter.mid(star + 1).chopped(1);
}

/// Lets the user pick the file to export to; a name without one of the filters' suffixes gets the
/// chosen filter's. False on cancel.
bool PromptExportFile(QWidget* parent, const QString& caption, const char* filters, const QString& proposed,
                      QString& path) {
    QFileDialog dialog(parent, caption, proposed, QCoreApplication::translate("ExportCommands", filters));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    path = dialog.selectedFiles().front();
    const QStringList filterList = dialog.nameFilters();
    const bool hasSuffix = std::any_of(filterList.begin(), filterList.end(), [&](const QString& filter) {
        return path.endsWith(FilterSuffix(filter), Qt::CaseInsensitive);
    });
    if (!hasSuffix)
        path += FilterSuffix(dialog.selectedNameFilter());
    RememberFileDialogFolder(path);
    return true;
}

/// Asks for the file, then lets `write` export to it; a failure, running out of memory included, is
/// reported under `failed`.
void ExportWithDialog(QWidget* parent, const QString& caption, const char* filters, const QString& proposed,
                      const char* failed,
                      const std::function<bool(const QString& path, QString& problem)>& write) {
    QString path;
    if (!PromptExportFile(parent, caption, filters, proposed, path))
        return;
    QString problem;
    try {
        if (write(path, problem))
            return;
    } catch (const std::bad_alloc&) {
        problem = OutOfMemoryText();
    }
    ReportFileError(failed, path, problem);
}

} // namespace

bool ExportChart(const CChartPicture& chart, const QString& title, const QString& path, QString& problem) {
    ChartFormat format = ChartFormat::Png;
    if (!ChartFormatOfFile(path, format)) {
        problem = QCoreApplication::translate("ExportCommands", "the name ends in none of .png, .svg, .pdf");
        return false;
    }
    const QByteArray picture = ChartPictureBytes(chart, format, title);
    if (picture.isEmpty()) {
        problem = QCoreApplication::translate("ExportCommands", "the window is too small to draw its chart");
        return false;
    }
    return WriteFileSafely(path, picture, problem);
}

bool ExportData(const CVorlintView& view, const QString& path, QString& problem) {
    return WriteFileSafely(path, HistoryCsvBytes(view), problem);
}

void ExportChartAs(const CChartPicture& chart, const QString& title, QWidget* parent) {
    ExportWithDialog(
        parent, QCoreApplication::translate("ExportCommands", "Exportar gráfico"), kChartFilters,
        ProposedName(title, QStringLiteral(".png")),
        QT_TRANSLATE_NOOP("FileErrorBox", "Failed to export the chart."),
        [&](const QString& path, QString& problem) { return ExportChart(chart, title, path, problem); });
}

void ExportDataAs(const CVorlintView& view, const QString& title, QWidget* parent) {
    ExportCsvAs([&view] { return HistoryCsvBytes(view); }, title, parent);
}

void ExportCsvAs(const std::function<QByteArray()>& csv, const QString& title, QWidget* parent) {
    ExportWithDialog(
        parent, QCoreApplication::translate("ExportCommands", "Exportar dados"), kDataFilters,
        ProposedName(title, QStringLiteral(".csv")),
        QT_TRANSLATE_NOOP("FileErrorBox", "Failed to export the data."),
        [&](const QString& path, QString& problem) { return WriteFileSafely(path, csv(), problem); });
}

void ExportLabReportAs(const CLabReport& report, const QString& title, QWidget* parent) {
    ExportWithDialog(parent, QCoreApplication::translate("ExportCommands", "Relatório do laboratório"),
                     kReportFilters, ProposedName(title, QStringLiteral(".pdf")),
                     QT_TRANSLATE_NOOP("FileErrorBox", "Failed to write the lab report."),
                     [&](const QString& path, QString& problem) {
                         const QByteArray pdf = report.PdfBytes();
                         if (pdf.isEmpty()) {
                             problem = QCoreApplication::translate("ExportCommands",
                                                                   "the report could not be drawn");
                             return false;
                         }
                         return WriteFileSafely(path, pdf, problem);
                     });
}

void CopyChartAndData(const CVorlintView& view) {
    try {
        auto data = std::make_unique<QMimeData>();
        const QByteArray csv = HistoryCsvBytes(view);
        data->setImageData(ChartImage(view));
        data->setText(QString::fromUtf8(csv));
        data->setData(QStringLiteral("text/csv"), csv);
        QApplication::clipboard()->setMimeData(data.release());
    } catch (const std::bad_alloc&) {
        QMessageBox::warning(
            QApplication::activeWindow(), QApplication::applicationName(),
            QCoreApplication::translate("ExportCommands", "Failed to copy the chart and its data.") +
                QStringLiteral("\n\n") + OutOfMemoryText());
    }
}
