#pragma once

#include "RecordedResponse.h"

#include <QMainWindow>
#include <QTimer>

#include <cstddef>
#include <memory>

class CChartPicture;
class CHistoryChart;
class CStepResponseDock;
class CVorlintView;
class QLabel;
class QScrollBar;
class QToolBar;

/// View > "Histórico da execução": a window on the recording of one simulation window's run. The chart
/// scrolls (scroll bar, drag) and zooms (wheel, "Ajustar tudo" shows it all), with the live chart's
/// series switches and scales; a click near a set-point change shows that response's figures in the
/// step-response table beside it. It follows the run as it goes and closes with its window.
class CHistoryView : public QMainWindow {
    Q_OBJECT

public:
    /// How often the window takes in the steps recorded since.
    static constexpr int kRefreshIntervalMs = 250;
    /// A click picks the response that begins this many columns away at most.
    static constexpr int kPickColumns = 8;

    /// A window on `view`'s recording, a child of the view so that it goes with it.
    explicit CHistoryView(CVorlintView& view);

    CHistoryChart* Chart() const { return m_pChart; }
    CStepResponseDock* Figures() const { return m_pDock; }
    /// The figures of the response last picked (all undefined before the first pick).
    const RecordedResponse& PickedResponse() const { return m_picked; }

    /// Picks the response nearest the recording's step at `index`, as a click there does; false when
    /// none begins near enough.
    bool PickResponseNear(std::size_t index);
    /// Takes in the steps recorded since, as the timer does.
    void Refresh();

    /// The chart of the whole recording or of the range shown, as a picture to export.
    std::unique_ptr<CChartPicture> ChartPicture(bool wholeRun) const;
    /// The whole recording or the range shown as CSV (SampleCsv.h).
    QByteArray DataCsv(bool wholeRun) const;

signals:
    /// "Exportar gráfico" was chosen, for the whole recording or the range shown.
    void exportChartRequested(bool wholeRun);
    /// "Exportar dados" was chosen, for the whole recording or the range shown.
    void exportDataRequested(bool wholeRun);
    /// "Relatório do laboratório" was chosen, of the whole recording or the range shown.
    void labReportRequested(bool wholeRun);

private:
    void CreateToolBar();
    /// A button whose menu asks for the whole recording or the range shown, then emits `request`.
    void AddExportButton(QToolBar& bar, const QString& text, void (CHistoryView::*request)(bool));
    void ShowRange();
    void ShowHovered(std::size_t index);

    CVorlintView& m_view;
    CHistoryChart* m_pChart;
    QScrollBar* m_pScrollBar;
    QLabel* m_pInfo;
    CStepResponseDock* m_pDock;
    RecordedResponse m_picked;
    QTimer m_timer;
};
