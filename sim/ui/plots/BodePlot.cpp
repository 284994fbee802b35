#include "BodePlot.h"

#include "BrokenLine.h"
#include "PlotPaintScope.h"
#include "ReadingText.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const QColor kPlantColor(0, 114, 178);
const QColor kLoopColor(213, 94, 0);
const QColor kMarkColor(0, 140, 100);
const QColor kGridColor(225, 225, 225);
const QColor kReferenceColor(110, 110, 110);

/// Room around the two panes, in pixels: for the values' labels on the left, the legend above, the
/// phase pane's title between them and the frequencies' labels below.
constexpr double kLeftRoom = 64.0;
constexpr double kRightRoom = 16.0;
constexpr double kTopRoom = 30.0;
constexpr double kGapRoom = 30.0;
constexpr double kBottomRoom = 40.0;
/// At most this many steps between the ticks of a value axis.
constexpr double kMaxTicks = 8.0;

/// A value axis: its range and the step between its ticks.
struct ValueAxis {
    double low = 0.0;
    double high = 1.0;
    double step = 1.0;
};

/// The range of the finite `values` and `mustShow`, rounded out to whole steps of `baseStep` times a
/// power of two: the least such step over which the unrounded range spans at most kMaxTicks steps (the
/// rounding out may add one at either end).
ValueAxis RoundedAxis(const std::vector<double>& values, double mustShow, double baseStep) {
    double low = mustShow;
    double high = mustShow;
    for (double value : values) {
        if (std::isfinite(value)) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
    }
    ValueAxis axis;
    axis.step = baseStep;
    while ((high - low) / axis.step > kMaxTicks)
        axis.step *= 2.0;
    axis.low = std::floor(low / axis.step) * axis.step;
    axis.high = std::max(std::ceil(high / axis.step) * axis.step, axis.low + axis.step);
    return axis;
}

/// One pane: where it is drawn, its value axis and the logarithmic frequency axis both panes share.
struct Pane {
    QRectF area;
    ValueAxis axis;
    double logLow = 0.0;
    double logHigh = 1.0;

    double X(double omegaRadS) const {
        return area.left() + area.width() * (std::log10(omegaRadS) - logLow) / (logHigh - logLow);
    }
    double Y(double value) const {
        return area.bottom() - area.height() * (value - axis.low) / (axis.high - axis.low);
    }
};

std::vector<double> ValuesOf(const std::vector<BodePoint>& bode, double BodePoint::*first,
                             double BodePoint::*second) {
    std::vector<double> values;
    values.reserve(2 * bode.size());
    for (const BodePoint& point : bode) {
        values.push_back(point.*first);
        values.push_back(point.*second);
    }
    return values;
}

/// The pane's frame, its grid at every value tick and every decade, and the values' labels.
void DrawFrame(QPainter& painter, const Pane& pane, bool labelDecades) {
    const QFontMetricsF metrics(painter.font());
    painter.setPen(QPen(kGridColor, 1));
    for (double value = pane.axis.low; value <= pane.axis.high + pane.axis.step / 2;
         value += pane.axis.step) {
        const double y = pane.Y(value);
        painter.drawLine(QPointF(pane.area.left(), y), QPointF(pane.area.right(), y));
        painter.save();
        painter.setPen(Qt::black);
        painter.drawText(QRectF(0, y - metrics.height() / 2, pane.area.left() - 6, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, FormatSignificant(value, 6));
        painter.restore();
    }
    for (double decade = std::ceil(pane.logLow); decade <= pane.logHigh; decade += 1.0) {
        const double x = pane.X(std::pow(10.0, decade));
        painter.drawLine(QPointF(x, pane.area.top()), QPointF(x, pane.area.bottom()));
        if (labelDecades) {
            painter.save();
            painter.setPen(Qt::black);
            painter.drawText(QRectF(x - 40, pane.area.bottom() + 2, 80, metrics.height()), Qt::AlignCenter,
                             FormatSignificant(std::pow(10.0, decade), 3));
            painter.restore();
        }
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(pane.area);
}

/// A dashed line across the pane at `value` (0 dB, −180°).
void DrawReference(QPainter& painter, const Pane& pane, double value) {
    painter.setPen(QPen(kReferenceColor, 1, Qt::DashLine));
    const double y = pane.Y(value);
    painter.drawLine(QPointF(pane.area.left(), y), QPointF(pane.area.right(), y));
}

/// One curve, broken where a value is not finite (a loop of gain 0 has no magnitude in dB).
void DrawCurve(QPainter& painter, const Pane& pane, const std::vector<BodePoint>& bode,
               double BodePoint::*value, const QColor& color) {
    std::vector<QPointF> points;
    points.reserve(bode.size());
    for (const BodePoint& point : bode)
        points.push_back(QPointF(pane.X(point.omegaRadS), pane.Y(point.*value)));
    painter.save();
    painter.setClipRect(pane.area);
    painter.setPen(QPen(color, 2));
    painter.drawPath(BrokenLine(points));
    painter.restore();
}

/// A margin: a dashed line through both panes at `omegaRadS`, a bar in `pane` from `from` to `to`
/// and `label` beside it.
void DrawMargin(QPainter& painter, const Pane& pane, const Pane& other, double omegaRadS, double from,
                double to, const QString& label) {
    const double x = pane.X(omegaRadS);
    painter.setPen(QPen(kMarkColor, 1, Qt::DashLine));
    for (const Pane* each : {&pane, &other})
        painter.drawLine(QPointF(x, each->area.top()), QPointF(x, each->area.bottom()));
    painter.setPen(QPen(kMarkColor, 2.5));
    painter.drawLine(QPointF(x, pane.Y(from)), QPointF(x, pane.Y(to)));
    painter.setBrush(kMarkColor);
    painter.drawEllipse(QPointF(x, pane.Y(from)), 3.5, 3.5);
    painter.setBrush(Qt::NoBrush);
    const QFontMetricsF metrics(painter.font());
    const double width = metrics.horizontalAdvance(label) + 4;
    // Right of the line unless that leaves the pane.
    const double left = x + 6 + width <= pane.area.right() ? x + 6 : x - 6 - width;
    const double middle = std::clamp(pane.Y((from + to) / 2), pane.area.top() + metrics.height(),
                                     pane.area.bottom() - metrics.height());
    const QRectF box(left, middle - metrics.height() / 2, width, metrics.height());
    // Readable over the curves it crosses.
    painter.fillRect(box, QColor(255, 255, 255, 220));
    painter.drawText(box, Qt::AlignCenter, label);
}

/// A short line of `color` and `text` after it, from `x` on; returns where the next entry may start.
double DrawLegendEntry(QPainter& painter, double x, double y, const QColor& color, const QString& text) {
    painter.setPen(QPen(color, 2));
    painter.drawLine(QPointF(x, y), QPointF(x + 24, y));
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(painter.font());
    painter.drawText(QPointF(x + 30, y + metrics.ascent() / 2 - 1), text);
    return x + 30 + metrics.horizontalAdvance(text) + 20;
}

} // namespace

CBodePlot::CBodePlot(QWidget* parent) : QWidget(parent) {
    setToolTip(tr("Diagrama de Bode da malha linearizada no ponto de operação: magnitude em dB e fase em "
                  "graus em função de ω (rad/s, escala logarítmica) até a frequência de Nyquist π/dt."));
}

QSize CBodePlot::sizeHint() const {
    return QSize(640, 420);
}

void CBodePlot::ShowAnalysis(const FrequencyAnalysis& analysis) {
    m_bode = analysis.bode;
    m_figures = analysis.figures;
    update();
}

void CBodePlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintInto(painter, rect());
}

void CBodePlot::PaintInto(QPainter& painter, const QRectF& target) const {
    const PlotPaintScope scope(painter, target);
    painter.setFont(font());
    const double paneHeight = std::max(1.0, (target.height() - kTopRoom - kGapRoom - kBottomRoom) / 2);
    const double paneWidth = std::max(1.0, target.width() - kLeftRoom - kRightRoom);
    Pane magnitude{QRectF(kLeftRoom, kTopRoom, paneWidth, paneHeight),
                   RoundedAxis(ValuesOf(m_bode, &BodePoint::plantMagDb, &BodePoint::loopMagDb), 0.0, 10.0)};
    Pane phase{
        QRectF(kLeftRoom, kTopRoom + paneHeight + kGapRoom, paneWidth, paneHeight),
        RoundedAxis(ValuesOf(m_bode, &BodePoint::plantPhaseDeg, &BodePoint::loopPhaseDeg), -180.0, 45.0)};
    if (m_bode.size() >= 2) {
        for (Pane* pane : {&magnitude, &phase}) {
            pane->logLow = std::log10(m_bode.front().omegaRadS);
            pane->logHigh = std::log10(m_bode.back().omegaRadS);
        }
    }
    DrawFrame(painter, magnitude, false);
    DrawFrame(painter, phase, true);
    DrawReference(painter, magnitude, 0.0);
    DrawReference(painter, phase, -180.0);
    DrawCurve(painter, magnitude, m_bode, &BodePoint::plantMagDb, kPlantColor);
    DrawCurve(painter, magnitude, m_bode, &BodePoint::loopMagDb, kLoopColor);
    DrawCurve(painter, phase, m_bode, &BodePoint::plantPhaseDeg, kPlantColor);
    DrawCurve(painter, phase, m_bode, &BodePoint::loopPhaseDeg, kLoopColor);
    if (std::isfinite(m_figures.crossoverRadS))
        DrawMargin(painter, phase, magnitude, m_figures.crossoverRadS, -180.0,
                   m_figures.phaseMarginDeg - 180.0,
                   tr("MF = %1").arg(FormatSignificant(m_figures.phaseMarginDeg, 3, "°")));
    if (std::isfinite(m_figures.phaseCrossoverRadS))
        DrawMargin(painter, magnitude, phase, m_figures.phaseCrossoverRadS, 0.0, -m_figures.gainMarginDb,
                   tr("MG = %1").arg(FormatSignificant(m_figures.gainMarginDb, 3, " dB")));

    painter.setPen(Qt::black);
    const QFontMetricsF metrics(painter.font());
    painter.drawText(QPointF(kLeftRoom, kTopRoom - 8), tr("Magnitude (dB)"));
    painter.drawText(QPointF(kLeftRoom, phase.area.top() - 8), tr("Fase (°)"));
    painter.drawText(QRectF(kLeftRoom, target.height() - metrics.height() - 4, paneWidth, metrics.height()),
                     Qt::AlignCenter, tr("ω (rad/s)"));
    const double legendX = kLeftRoom + paneWidth / 3;
    const double next = DrawLegendEntry(painter, legendX, kTopRoom - 12, kPlantColor, tr("Planta G"));
    DrawLegendEntry(painter, next, kTopRoom - 12, kLoopColor, tr("Malha L = C·G"));
}
