#pragma once

#include "ChartPicture.h"
#include "ChartStyle.h"
#include "HistoryRange.h"
#include "SampleHistory.h"
#include "WindowState.h"

#include <QPoint>
#include <QWidget>

#include <cstddef>
#include <memory>

class RunRecording;

/// The chart of a run's recording: the live chart's painter and scales drawn over one sample a column
/// of the range shown, the set point as its history, the hover cursor, and a range the wheel zooms and
/// a drag scrolls. A click (a press and release in place) reports the step under the mouse.
class CHistoryChart : public QWidget, public CChartPicture {
    Q_OBJECT

public:
    /// The live chart's history holds the columns the painter draws, so a wider chart leaves its
    /// left part empty.
    static constexpr int kMostColumns = static_cast<int>(SampleHistory::kCapacity);
    /// How far the mouse may move between press and release for a click.
    static constexpr int kClickSlop = 3;
    /// One notch of the wheel zooms by this factor.
    static constexpr double kZoomPerNotch = 1.25;

    CHistoryChart(const RunRecording& recording, const CWindowState& series, QWidget* parent = nullptr);

    HistoryRange& Range() { return m_range; }
    const HistoryRange& Range() const { return m_range; }
    CWindowState& Series() { return m_series; }
    ChartStyle& Style() { return m_style; }
    /// How many columns the chart's width shows.
    int Columns() const;
    /// The column (0 at the leftmost sample) at pixel `x`.
    int ColumnAt(int x) const { return x - (width() - (Columns() - 1)); }
    /// The pixel where `column` is drawn.
    int XOfColumn(double column) const { return static_cast<int>(column) + width() - (Columns() - 1); }

    /// Takes in the steps recorded since: the whole recording while fitting, else the newest stays at the
    /// right edge if it was there.
    void Follow();
    /// Shows the whole recording, and keeps showing it as it grows until the user scrolls or zooms.
    void FitAll();
    /// Shows the steps from `step` on, as the scroll bar asks; fitting stops.
    void ScrollTo(double step);
    /// The recording's index of the step shown at `column`; false for an empty recording.
    bool IndexAt(int column, std::size_t& index) const;
    /// The first and last indices shown.
    void VisibleIndices(std::size_t& first, std::size_t& last) const;
    /// The chart of `range` over the chart's size, as a picture to export.
    std::unique_ptr<CChartPicture> PictureOf(const HistoryRange& range) const;

    QSize ChartSize() const override { return size(); }
    void PaintChartInto(QPainter& painter, const QRectF& target) const override;
    /// Paints the chart of `range`, laid out for the chart's size, into `target`.
    void PaintRangeInto(QPainter& painter, const QRectF& target, const HistoryRange& range) const;

signals:
    /// The range shown changed (zoom, scroll, new steps).
    void rangeChanged();
    /// The mouse was clicked over the step at `index` of the recording.
    void stepClicked(std::size_t index);
    /// The mouse hovers over the step at `index`.
    void stepHovered(std::size_t index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void UpdateBounds();
    /// The index of `step` in a recording that is not empty, the nearest kept step for one gone.
    std::size_t IndexOfStep(std::uint64_t step) const;
    /// One sample a column of `range`, the right edge's newest.
    void FillColumns(const HistoryRange& range) const;

    const RunRecording& m_recording;
    CWindowState m_series;
    ChartStyle m_style;
    HistoryRange m_range;
    /// The samples the painter draws, refilled at every paint.
    mutable SampleHistory m_columns;
    bool m_bCursorShown = false;
    QPoint m_cursorPos;
    QPoint m_pressPos;
    int m_nLastDragX = 0;
    bool m_bFitting = true;
    bool m_bPressed = false;
};
