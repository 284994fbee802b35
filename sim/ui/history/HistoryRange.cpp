#include "HistoryRange.h"

#include <algorithm>
#include <cmath>

void HistoryRange::SetBounds(std::uint64_t firstStep, std::uint64_t lastStep, int columns) {
    m_nFirstStep = firstStep;
    m_nLastStep = std::max(firstStep, lastStep);
    m_nColumns = std::max(2, columns);
    Clamp();
}

void HistoryRange::FitAll() {
    m_dFirst = static_cast<double>(m_nFirstStep);
    m_dPerColumn = static_cast<double>(m_nLastStep - m_nFirstStep) / (m_nColumns - 1);
    Clamp();
}

void HistoryRange::ShowNewest() {
    m_dFirst = static_cast<double>(m_nLastStep) - VisibleSteps();
    Clamp();
}

void HistoryRange::Zoom(double factor, int column) {
    const double anchor = m_dFirst + column * m_dPerColumn;
    m_dPerColumn /= factor;
    Clamp();
    m_dFirst = anchor - column * m_dPerColumn;
    Clamp();
}

void HistoryRange::ScrollColumns(double columns) {
    m_dFirst += columns * m_dPerColumn;
    Clamp();
}

void HistoryRange::ScrollTo(double step) {
    m_dFirst = step;
    Clamp();
}

std::uint64_t HistoryRange::StepAt(int column) const {
    // A hair over, so that a fitted range's last column falls on the newest step despite rounding.
    constexpr double kRoundingSlack = 1e-9;
    const double step = std::floor(m_dFirst + column * m_dPerColumn + kRoundingSlack);
    return static_cast<std::uint64_t>(
        std::clamp(step, static_cast<double>(m_nFirstStep), static_cast<double>(m_nLastStep)));
}

double HistoryRange::ColumnOf(double step) const {
    return (step - m_dFirst) / m_dPerColumn;
}

bool HistoryRange::ShowsNewest() const {
    return m_dFirst + VisibleSteps() + m_dPerColumn >= static_cast<double>(m_nLastStep);
}

void HistoryRange::Clamp() {
    const double span = static_cast<double>(m_nLastStep - m_nFirstStep);
    const double widest = std::max(span / (m_nColumns - 1), 1.0 / kMostColumnsPerStep);
    m_dPerColumn = std::clamp(m_dPerColumn, 1.0 / kMostColumnsPerStep, widest);
    const double latestFirst = std::max(static_cast<double>(m_nFirstStep), m_nLastStep - VisibleSteps());
    m_dFirst = std::clamp(m_dFirst, static_cast<double>(m_nFirstStep), latestFirst);
}
