#include "DialogTemplates.h"

#include <QtGlobal>

#include <iterator>

namespace {

using K = ControlKind;
using namespace ControlId;

const ControlTemplate kSliderControls[] = {
    {Power, K::Trackbar, "", 5, 13, 14, 295},
    {SetPoint, K::Trackbar, "", 27, 13, 14, 295},
    {kNoId, K::Label, QT_TRANSLATE_NOOP("DialogTemplates", "Pot"), 9, 1, 12, 8},
    {kNoId, K::Label, QT_TRANSLATE_NOOP("DialogTemplates", "SetP"), 31, 1, 16, 8},
};

const ControlTemplate kControlControls[] = {
    {kNoId, K::GroupBox, "", 0, 2, 186, 43},
    {Pid, K::CheckBox, "PID", 4, 1, 26, 10},
    {OnOff, K::CheckBox, QT_TRANSLATE_NOOP("DialogTemplates", "Lig/Des"), 36, 1, 36, 10},
    {kNoId, K::Label, "Kp", 5, 10, 9, 8},
    {Kp, K::Edit, "", 5, 21, 54, 12},
    {KpSpin, K::UpDown, "", 50, 20, 11, 14},
    {kNoId, K::Label, "Ki", 65, 10, 8, 8},
    {Ki, K::Edit, "", 65, 21, 54, 12},
    {KiSpin, K::UpDown, "", 111, 20, 11, 14},
    {kNoId, K::Label, "Kd", 125, 10, 8, 8},
    {Kd, K::Edit, "", 125, 21, 54, 12},
    {KdSpin, K::UpDown, "", 171, 20, 11, 14},
    {Reset, K::PushButton, QT_TRANSLATE_NOOP("DialogTemplates", "Reset"), 90, 11, 27, 9},
    {LastP, K::RightLabel, "0", 7, 34, 53, 8},
    {Integral, K::RightLabel, "0", 68, 34, 53, 8},
    {LastD, K::RightLabel, "0", 126, 34, 53, 8},
    {kNoId, K::GroupBox, QT_TRANSLATE_NOOP("DialogTemplates", "Tempo (passo)"), 188, 2, 80, 43},
    {kNoId, K::Label, QT_TRANSLATE_NOOP("DialogTemplates", "Simulado"), 192, 12, 28, 8},
    {SimStep, K::Edit, "", 223, 10, 30, 12},
    {kNoId, K::Label, "ms", 255, 12, 10, 8},
    {kNoId, K::Label, QT_TRANSLATE_NOOP("DialogTemplates", "Real"), 192, 26, 28, 8},
    {RealStep, K::Edit, "", 223, 24, 30, 12},
    {kNoId, K::Label, "ms", 255, 26, 10, 8},
    {kNoId, K::GroupBox, QT_TRANSLATE_NOOP("DialogTemplates", "Gráficos"), 270, 2, 113, 43},
    {ShowError, K::CheckBox, QT_TRANSLATE_NOOP("DialogTemplates", "Erro"), 273, 9, 29, 10},
    {ShowProportional, K::CheckBox, QT_TRANSLATE_NOOP("DialogTemplates", "Proporcional"), 273, 18, 56, 10},
    {ShowIntegral, K::CheckBox, QT_TRANSLATE_NOOP("DialogTemplates", "Integral"), 273, 27, 39, 10},
    {ShowDerivative, K::CheckBox, QT_TRANSLATE_NOOP("DialogTemplates", "Diferencial"), 331, 8, 50, 10},
    {ShowPower, K::CheckBox, QT_TRANSLATE_NOOP("DialogTemplates", "Potência"), 331, 18, 43, 10},
    {Cps, K::RightLabel, "CPS", 385, 7, 59, 8},
    {Fps, K::RightLabel, "FPS", 385, 17, 59, 8},
};

} // namespace

const DialogTemplate kSliderDialog = {
    "MS Shell Dlg", 8, 53, 308, kSliderControls, std::size(kSliderControls),
};

const DialogTemplate kControlDialog = {
    "Arial", 8, 449, 48, kControlControls, std::size(kControlControls),
};
