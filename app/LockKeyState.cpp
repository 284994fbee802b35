#include "LockKeyState.h"

#ifdef VORLINT_HAVE_X11
#include <QGuiApplication>

#include <X11/XKBlib.h>

namespace {

bool NamedIndicatorOn(Display* display, const char* name) {
    const Atom atom = XInternAtom(display, name, True);
    Bool on = False;
    return atom != None && XkbGetNamedIndicator(display, atom, nullptr, &on, nullptr, nullptr) && on;
}

} // namespace

std::optional<LockKeyState> ReadLockKeyState() {
    const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11 != nullptr ? x11->display() : nullptr;
    if (display == nullptr)
        return std::nullopt;
    return LockKeyState{NamedIndicatorOn(display, "Caps Lock"), NamedIndicatorOn(display, "Num Lock"),
                        NamedIndicatorOn(display, "Scroll Lock")};
}

#else

std::optional<LockKeyState> ReadLockKeyState() {
    return std::nullopt;
}

#endif
