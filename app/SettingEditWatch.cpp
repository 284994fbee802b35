#include "SettingEditWatch.h"

#include "ChildFrame.h"
#include "DialogPanel.h"
#include "UpDownControl.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QLineEdit>

void WatchSettingEdits(CChildFrame& frame, const std::function<void()>& edited) {
    // Only the signals of the user's own actions: textEdited rather than textChanged, clicked,
    // actionTriggered rather than valueChanged.
    for (const CDialogPanel* panel : {frame.SliderPanel(), frame.ControlPanel()}) {
        for (QLineEdit* edit : panel->findChildren<QLineEdit*>())
            QObject::connect(edit, &QLineEdit::textEdited, &frame, edited);
        for (QAbstractButton* button : panel->findChildren<QAbstractButton*>()) {
            // A push button ("Reset") acts on the running simulation; it holds no setting.
            if (button->isCheckable())
                QObject::connect(button, &QAbstractButton::clicked, &frame, edited);
        }
        for (QAbstractSlider* trackbar : panel->findChildren<QAbstractSlider*>())
            QObject::connect(trackbar, &QAbstractSlider::actionTriggered, &frame, edited);
        for (CUpDownControl* arrows : panel->findChildren<CUpDownControl*>())
            QObject::connect(arrows, &CUpDownControl::deltaPos, &frame, edited);
    }
}
