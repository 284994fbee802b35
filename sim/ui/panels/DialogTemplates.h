#pragma once

#include <cstddef>

/// The kinds of control a panel template places.
enum class ControlKind {
    Trackbar,   ///< vertical trackbar with automatic ticks, minimum at the top
    Label,      ///< left-aligned static text
    RightLabel, ///< right-aligned static text
    GroupBox,
    CheckBox, ///< automatic check box
    Edit,     ///< right-aligned, auto-scrolling edit
    UpDown,   ///< up-down control aligned inside the right edge of the edit before it
    PushButton,
};

/// One control of a panel: its identifier (kNoId for labels and frames), kind, text and position
/// in dialog units.
struct ControlTemplate {
    int id;
    ControlKind kind;
    const char* text;
    int x;
    int y;
    int width;
    int height;
};

/// A panel's font, size in dialog units and controls in creation (tab) order.
struct DialogTemplate {
    const char* fontFamily;
    int fontPointSize;
    int width;
    int height;
    const ControlTemplate* controls;
    std::size_t controlCount;
};

constexpr int kNoId = -1;

/// The controls' identifiers, by which the frame exchanges values and routes notifications.
namespace ControlId {
enum : int {
    Power = 1000,
    SetPoint = 1001,
    Kp = 1003,
    KpSpin = 1004,
    Ki = 1005,
    KiSpin = 1006,
    Kd = 1007,
    KdSpin = 1008,
    Pid = 1009,
    Reset = 1010,
    SimStep = 1011,
    OnOff = 1012,
    RealStep = 1014,
    ShowError = 1015,
    ShowProportional = 1016,
    ShowIntegral = 1017,
    ShowDerivative = 1018,
    ShowPower = 1019,
    Cps = 1020,
    Fps = 1021,
    LastP = 1024,
    Integral = 1025,
    LastD = 1026,
};
} // namespace ControlId

/// Dialog 103: the "Pot" and "SetP" trackbars, docked on the right.
extern const DialogTemplate kSliderDialog;
/// Dialog 104: gains, modes, step times, series and figures, docked at the bottom.
extern const DialogTemplate kControlDialog;
