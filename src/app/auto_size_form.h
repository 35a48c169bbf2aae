#pragma once

#include <QWidget>

// The window font as the forms are designed with ("MS Sans Serif", 8 points), grown by the
// "Font Size Adjustment" that was read once for the run.
void applyFontSizeAdjustment(QWidget& window, int adjustment);

// The font as the forms are designed with: font at the designed size.
QFont designedFont(QFont font);
