#pragma once
// Positions and sizes of the help and tip windows are designed in twips;
// these helpers turn them into pixels of the screen the program runs on.

#include <QSize>

class QWidget;

namespace calvex {

class Platform;

int twipsToPixels(const Platform& platform, int twips);
QSize twipsToPixels(const Platform& platform, int width, int height);
// Sets the control's geometry within its parent, given in twips.
void placeInTwips(const Platform& platform, QWidget* control, int left, int top, int width, int height);

} // namespace calvex
