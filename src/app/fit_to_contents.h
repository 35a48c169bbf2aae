#pragma once

#include <QWidget>

// Grows a form laid out by hand to what its contents need, keeping the design where it fits.
//
// Each child widget wants its designed size, grown to its minimum size and to what its text
// needs (labels, buttons, line edits); children of one column (the same
// designed left edge and width) grow to one width. A child that grows pushes along the
// children designed to its right or below it, with the gaps between them kept; a child
// designed as wide as the form stretches with it. The form grows by what its children
// need. Each call starts from the design again, so a form can be fitted whenever a text, the
// font or a minimum size changes, and shrinks back as far as the design when they do.
void fitToContents(QWidget& form);

// Keeps the present geometry of the form and its children as their design; called once the
// form is laid out, before its font is grown (a status bar's layout resizes it at once).
void rememberDesignedGeometry(QWidget& form);
