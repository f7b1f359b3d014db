#pragma once
// The display-only fields and coloured texts that the results window and
// the wall-check map have in common.

#include <QColor>

class QLabel;
class QWidget;

namespace calvex {

inline const QColor kVerdictBlue(0, 0, 255);
inline const QColor kMarkRed(255, 0, 0);

// A framed field on a white ground that the user cannot edit.
QLabel* makeValueField(QWidget* parent);
// A label in bold at `pointSize` whose text takes `colour`.
void setEmphasis(QLabel* label, int pointSize, const QColor& colour);
void setTextColour(QLabel* label, const QColor& colour);

} // namespace calvex
