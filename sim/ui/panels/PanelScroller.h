#pragma once

#include <QScrollArea>

/// Holds a docked panel of fixed height and lets it scroll sideways when the window is narrower than
/// the panel, so that every control stays within reach. It grows by the scroll bar's height while the
/// bar shows, so that the bar never covers the bottom of the panel.
class CPanelScroller : public QScrollArea {
    Q_OBJECT

public:
    explicit CPanelScroller(QWidget* panel, QWidget* parent = nullptr);

    /// The whole panel: a new window is as wide as its panel, as it was before the panel could scroll.
    QSize sizeHint() const override { return QSize(widget()->width(), height()); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitHeight(int width);
};
