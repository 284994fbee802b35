#include "Trackbar.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionSlider>

CTrackbar::CTrackbar(QWidget* parent) : QSlider(Qt::Vertical, parent) {
    // The minimum is drawn at the top, and the up arrow key moves the thumb up.
    setInvertedAppearance(true);
    setInvertedControls(true);
    setTickPosition(QSlider::TicksRight);
}

void CTrackbar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionSlider option;
    initStyleOption(&option);
    option.subControls = QStyle::SC_SliderGroove;
    style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
    if (tickPosition() != QSlider::NoTicks)
        painter.drawPixmap(0, 0, TickLayer(option));
    option.subControls = QStyle::SC_SliderHandle;
    style()->drawComplexControl(QStyle::CC_Slider, &option, &painter, this);
}

const QPixmap& CTrackbar::TickLayer(const QStyleOptionSlider& option) {
    const qreal ratio = devicePixelRatioF();
    const TickLayerKey key{size(),         ratio,
                           minimum(),      maximum(),
                           tickInterval(), static_cast<int>(tickPosition()),
                           style(),        palette().cacheKey(),
                           isEnabled()};
    if (key == m_tickLayerKey && !m_tickLayer.isNull())
        return m_tickLayer;
    m_tickLayerKey = key;
    m_tickLayer = QPixmap(size() * ratio);
    m_tickLayer.setDevicePixelRatio(ratio);
    m_tickLayer.fill(Qt::transparent);
    QPainter painter(&m_tickLayer);
    QStyleOptionSlider ticks = option;
    ticks.subControls = QStyle::SC_SliderTickmarks;
    ticks.activeSubControls = QStyle::SC_None;
    style()->drawComplexControl(QStyle::CC_Slider, &ticks, &painter, this);
    return m_tickLayer;
}
