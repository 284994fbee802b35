#pragma once

class QMdiArea;
class QMdiSubWindow;

/// Opens `window`, just added to `area`, one title bar down and right of the newest window, with its
/// size: so it covers that window's panel instead of letting it show beneath. The window shrinks to
/// stay inside the area; when that would leave it less than half its natural size, a new cascade
/// starts with a window over the whole area. The first window, or one opened while the area is not
/// shown, is placed by the area itself.
void PlaceNewWindow(QMdiArea& area, QMdiSubWindow& window);

/// The Cascade command: the windows that are not minimised, oldest first and the active one last, each
/// one title bar down and right of the one before, so that every title bar stays visible; together
/// they fill the area as far as their minimum sizes allow (the area scrolls to what goes past it).
void CascadeWindows(QMdiArea& area);
