#pragma once

#include <optional>

/// Whether Caps Lock, Num Lock and Scroll Lock are on.
struct LockKeyState {
    bool capsLock = false;
    bool numLock = false;
    bool scrollLock = false;
};

/// Reads the lock keys from the window system; nothing when the platform does not tell (Wayland,
/// offscreen, or a build without X11).
std::optional<LockKeyState> ReadLockKeyState();
