#pragma once

#include <QWidget>

// Grows a form laid out by hand to what its contents need, keeping the design where it fits.
//
// Each child widget wants its designed size, grown to its minimum size and to what its text
// needs (labels, buttons, line edits); children of one column (the same
// designed left edge and width) grow to one width. A child that grows pushes along the
// children designed to its right or below it, with the gaps between them kept; a child
// designed as wide as the form stretches with it. The form grows by what its children
// need. The designed geometry is that of the first call; later calls start from it again,
// so a form can be fitted whenever a text, the font or a minimum size (a zoomed drawing area)
// changes, and shrinks back as far as the design when they do.
void fitToContents(QWidget& form);
