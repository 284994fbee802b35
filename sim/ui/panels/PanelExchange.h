#pragma once

#include "PanelText.h"

#include <cstdint>

class QAbstractButton;
class QLabel;
class QLineEdit;
class QSlider;

/// Exchanges between one panel control and one view field, in the save direction (control into the
/// field) or the load direction (field into the control). A load leaves a control alone when it
/// already shows the field's value, so that text being typed is not rewritten under the user.

/// An edit holding a number.
void exchangeNumber(QLineEdit& edit, double& field, bool bSave, PanelNumberFormat format = kGainFormat);
/// A label that shows a figure; output only, so there is no save direction.
void loadDisplay(QLabel& label, double field, PanelNumberFormat format);
/// An edit holding an unsigned count.
void exchangeUnsigned(QLineEdit& edit, std::uint32_t& field, bool bSave);
/// A check box.
void exchangeCheck(QAbstractButton& box, bool& field, bool bSave);
/// A trackbar mapped linearly onto values from `atMinimum` (its minimum position) to `atMaximum`.
void exchangeTrackbar(QSlider& slider, double& field, bool bSave, double atMinimum, double atMaximum);
