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

/// The responses of several windows in one plot, aligned at each response's start: each one's points
/// over its T in a colour of its own with its set point dashed in the same colour, or, normalized, each
/// one's z with the lines z = 0 and z = 1.
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
