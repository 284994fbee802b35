#pragma once

#include "DialogTemplates.h"
#include "DialogUnits.h"

#include <QHash>
#include <QWidget>

/// A docked panel built from a dialog template: every control at its place, converted from dialog
/// units with the template's font, reachable by its identifier (also its objectName, as "1003").
class CDialogPanel : public QWidget {
    Q_OBJECT

public:
    explicit CDialogPanel(const DialogTemplate& dialog, QWidget* parent = nullptr);

    /// The control with identifier `id`, or nullptr.
    QWidget* Control(int id) const { return m_controls.value(id, nullptr); }
    template <typename T> T* Control(int id) const { return qobject_cast<T*>(Control(id)); }

    /// The template's size in pixels.
    QSize sizeHint() const override { return m_size; }
    /// A panel narrower or shorter than its template is clipped, as a docked dialog is; it does not
    /// hold the window at the template's size.
    QSize minimumSizeHint() const override { return QSize(0, 0); }

private:
    QWidget* CreateControl(const ControlTemplate& control);
    void PlaceControl(QWidget* widget, const ControlTemplate& control, QWidget* previous,
                      DialogBaseUnits base);

    QSize m_size;
    QHash<int, QWidget*> m_controls;
};
