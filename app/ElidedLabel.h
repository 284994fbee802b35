#pragma once

#include <QLabel>

/// A one-line label that takes the width it is given rather than the width of its text: a text too
/// long for it ends in "…", and its tooltip holds the whole text.
class CElidedLabel : public QLabel {
public:
    explicit CElidedLabel(QWidget* parent = nullptr);

    /// The whole text, whatever part of it shows.
    QString FullText() const { return m_fullText; }
    void SetFullText(const QString& text);

    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Elide();

    QString m_fullText;
};
