#pragma once

#include "ComparedResponse.h"

#include <QString>
#include <QWidget>

#include <vector>

class QPainter;
class QRectF;

/// One response of a comparison, named by its window.
struct NamedResponse {
    QString name;
    ComparedResponse response;
};

/// A response's entry in the legend: its window and the gains it ran with, as the panels write them:
/// "lab.vrl:1: Kp 0,050000  Ki 2,000000  Kd 0,000000".
QString ComparisonLegendText(const NamedResponse& named);

/// The responses of several windows in one plot, aligned at each response's start: each one's points
/// over its T in a colour of its own with its set point dashed in the same colour, or, normalized, each
/// one's z with the lines z = 0 and z = 1; the legend names each window and the gains its response ran
/// with.
class CComparisonPlot : public QWidget {
    Q_OBJECT

public:
    explicit CComparisonPlot(QWidget* parent = nullptr);

    void Show(std::vector<NamedResponse> responses, bool normalized);
    /// Paints the plot scaled into `target` of any painter (the screen, an image, SVG, PDF).
    void PaintInto(QPainter& painter, const QRectF& target) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::vector<NamedResponse> m_responses;
    bool m_bNormalized = false;
};
