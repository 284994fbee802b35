#include "DialogPanel.h"

#include "DialogUnits.h"
#include "Trackbar.h"
#include "UpDownControl.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {

QFont templateFont(const DialogTemplate& dialog) {
    QFont font(QString::fromLatin1(dialog.fontFamily), dialog.fontPointSize);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QLabel* createLabel(const QString& text, Qt::Alignment alignment, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(alignment | Qt::AlignTop);
    return label;
}

QLineEdit* createEdit(QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return edit;
}

} // namespace

CDialogPanel::CDialogPanel(const DialogTemplate& dialog, QWidget* parent) : QWidget(parent) {
    setFont(templateFont(dialog));
    const DialogBaseUnits base = dialogBaseUnits(QFontMetrics(font()));
    m_size = dialogUnitsToPixels(QRect(0, 0, dialog.width, dialog.height), base).size();

    QWidget* previous = nullptr;
    for (std::size_t i = 0; i < dialog.controlCount; ++i) {
        const ControlTemplate& control = dialog.controls[i];
        QWidget* widget = CreateControl(control);
        PlaceControl(widget, control, previous, base);
        if (control.id != kNoId) {
            widget->setObjectName(QString::number(control.id));
            m_controls.insert(control.id, widget);
        }
        previous = widget;
    }
}

void CDialogPanel::PlaceControl(QWidget* widget, const ControlTemplate& control, QWidget* previous,
                                DialogBaseUnits base) {
    const QRect pixels =
        dialogUnitsToPixels(QRect(control.x, control.y, control.width, control.height), base);
    // An up-down control takes the control created just before it as its buddy and sits inside its
    // right edge, whatever its own position says.
    auto* upDown = qobject_cast<CUpDownControl*>(widget);
    if (upDown != nullptr && previous != nullptr) {
        upDown->AttachToBuddy(previous, pixels.width());
        return;
    }
    // This platform's fonts and check box indicators run a little wider than the ones the layout was
    // made with: a caption that would be cut grows to the right instead.
    const bool caption = control.kind == ControlKind::Label || control.kind == ControlKind::CheckBox;
    QRect area = pixels;
    if (caption)
        area.setWidth(std::max(area.width(), widget->sizeHint().width()));
    widget->setGeometry(area);
}

QWidget* CDialogPanel::CreateControl(const ControlTemplate& control) {
    const QString text = QCoreApplication::translate("DialogTemplates", control.text);
    switch (control.kind) {
    case ControlKind::Trackbar:
        return new CTrackbar(this);
    case ControlKind::Label:
        return createLabel(text, Qt::AlignLeft, this);
    case ControlKind::RightLabel:
        return createLabel(text, Qt::AlignRight, this);
    case ControlKind::GroupBox:
        return new QGroupBox(text, this);
    case ControlKind::CheckBox:
        return new QCheckBox(text, this);
    case ControlKind::Edit:
        return createEdit(this);
    case ControlKind::UpDown:
        return new CUpDownControl(this);
    case ControlKind::PushButton:
        return new QPushButton(text, this);
    }
    return nullptr;
}
