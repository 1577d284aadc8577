// Dialog units to pixels with fixed base units (8-point "MS Sans Serif" at
// 96 dpi), so that the window looks the same whatever fonts a machine has.
#pragma once

#include <QRect>

namespace nira {

// Rounds a * b / c to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c);

int DialogUnitsToPixelsX(int units);
int DialogUnitsToPixelsY(int units);

// A template rectangle (x, y, width, height in dialog units) in pixels.
// Each of the four numbers is converted on its own, as the dialog manager
// does when it creates a template's controls.
QRect MapDialogRect(int x, int y, int width, int height);

}  // namespace nira
