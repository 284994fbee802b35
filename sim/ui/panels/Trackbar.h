#pragma once

#include <QPixmap>
#include <QSlider>

#include <tuple>

class QStyleOptionSlider;

/// A vertical trackbar with its minimum at the top, whose tick marks are drawn once into a layer
/// that is reused until the size, range or look changes. With a tick every five positions over
/// ranges of 10000 and 300000 the style would otherwise draw thousands of marks each time the
/// thumb moves, and the power trackbar moves after every step.
class CTrackbar : public QSlider {
    Q_OBJECT

public:
    explicit CTrackbar(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    using TickLayerKey = std::tuple<QSize, qreal, int, int, int, int, const QStyle*, qint64, bool>;

    const QPixmap& TickLayer(const QStyleOptionSlider& option);

    QPixmap m_tickLayer;
    TickLayerKey m_tickLayerKey;
};
