#pragma once

// The interface translates some of the toolkit-free texts; they are marked where they are written,
// without a toolkit header: the translation tool finds them by this macro's name, and here it is only
// the text. Where a Qt header came first, Qt's own definition, the same, stands.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif
