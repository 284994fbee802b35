#pragma once

#include "ChartPicture.h"
#include "FrequencyLab.h"

#include <QWidget>

#include <vector>

class QPainter;
class QRectF;

/// The Bode plot of a window's loop: the magnitude in dB above and the phase in degrees below over a
/// logarithmic ω axis in rad/s, for the plant chain and for the loop with the controller (a legend
/// tells them apart), with the gain crossover and its phase margin and the phase crossover and its
/// gain margin marked and labelled.
class CBodePlot : public QWidget, public CChartPicture {
    Q_OBJECT

public:
    explicit CBodePlot(QWidget* parent = nullptr);

    /// Draws `analysis`'s curves and margins from now on; no curves draws an empty frame.
    void ShowAnalysis(const FrequencyAnalysis& analysis);
    /// Paints the plot laid out for `target`'s size into `target` of any painter (the screen, an image,
    /// SVG, PDF): the screen and every export go through here.
    void PaintInto(QPainter& painter, const QRectF& target) const;

    QSize sizeHint() const override;

    /// As a picture to export: laid out for the widget's size.
    QSize ChartSize() const override { return size(); }
    void PaintChartInto(QPainter& painter, const QRectF& target) const override {
        PaintInto(painter, target);
    }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<BodePoint> m_bode;
    FrequencyFigures m_figures;
};
