#pragma once

#include <cstdint>

/// Which steps of a recording a history chart shows: the step number at its left column and how many
/// steps a column holds (less than one when zoomed in far enough that a step spans several columns).
/// Step numbers rather than indices, so that the range stays on its steps when the oldest are dropped.
class HistoryRange {
public:
    /// Zoomed in, a step spans at most this many columns.
    static constexpr double kMostColumnsPerStep = 8.0;

    /// The steps [firstStep, lastStep] of the recording, over `columns` columns.
    void SetBounds(std::uint64_t firstStep, std::uint64_t lastStep, int columns);
    /// Shows every step of the bounds.
    void FitAll();
    /// Scrolls so that the newest step stands at the right edge, keeping the zoom.
    void ShowNewest();
    /// Zooms by `factor` (above 1 shows fewer steps) keeping the step under `column` where it is.
    void Zoom(double factor, int column);
    /// Scrolls by `columns` columns (positive shows later steps).
    void ScrollColumns(double columns);
    /// Scrolls so that the left column shows `step`.
    void ScrollTo(double step);

    /// The step shown at `column` (0 is the left edge), within the bounds.
    std::uint64_t StepAt(int column) const;
    /// The column where `step` is shown (outside [0, columns) when it is not).
    double ColumnOf(double step) const;
    double FirstStep() const { return m_dFirst; }
    double StepsPerColumn() const { return m_dPerColumn; }
    /// How many steps the width shows.
    double VisibleSteps() const { return m_dPerColumn * (m_nColumns - 1); }
    /// Whether the newest step is at the right edge, where it stays as steps come.
    bool ShowsNewest() const;

private:
    void Clamp();

    std::uint64_t m_nFirstStep = 1;
    std::uint64_t m_nLastStep = 1;
    int m_nColumns = 2;
    double m_dFirst = 1.0;
    double m_dPerColumn = 1.0;
};
