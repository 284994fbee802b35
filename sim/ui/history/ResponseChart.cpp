#include "ResponseChart.h"

#include "HistoryChart.h"
#include "VorlintView.h"

namespace {

/// A history chart of its own, never shown, and the range it draws.
class CRecordedStepsPicture : public CChartPicture {
public:
    CRecordedStepsPicture(const CVorlintView& view, std::uint64_t firstStep, std::uint64_t lastStep)
        : m_chart(view.m_recording, view) {
        m_chart.Style().palette = view.Style().palette;
        m_chart.Style().showScale = view.Style().showScale;
        m_chart.resize(view.size());
        m_range.SetBounds(firstStep, lastStep, m_chart.Columns());
        m_range.FitAll();
    }
    QSize ChartSize() const override { return m_chart.ChartSize(); }
    void PaintChartInto(QPainter& painter, const QRectF& target) const override {
        m_chart.PaintRangeInto(painter, target, m_range);
    }

private:
    CHistoryChart m_chart;
    HistoryRange m_range;
};

} // namespace

std::unique_ptr<CChartPicture> RecordedStepsPicture(const CVorlintView& view, std::uint64_t firstStep,
                                                    std::uint64_t lastStep) {
    return std::make_unique<CRecordedStepsPicture>(view, firstStep, lastStep);
}
