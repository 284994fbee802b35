#include "ElidedLabel.h"

CElidedLabel::CElidedLabel(QWidget* parent) : QLabel(parent) {
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

void CElidedLabel::SetFullText(const QString& text) {
    m_fullText = text;
    setToolTip(text);
    Elide();
}

QSize CElidedLabel::minimumSizeHint() const {
    return {0, QLabel::minimumSizeHint().height()};
}

void CElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    Elide();
}

void CElidedLabel::Elide() {
    const int room = contentsRect().width();
    setText(fontMetrics().elidedText(m_fullText, Qt::ElideRight, room));
}
