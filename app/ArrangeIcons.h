#pragma once

class QMdiArea;

/// "Arrange Icons": lines the minimised windows up along the bottom of the MDI area, left to right,
/// starting a new row above when a row is full. Other windows stay where they are.
void ArrangeIconicWindows(QMdiArea& mdiArea);
