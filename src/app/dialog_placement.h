#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QWidget>

// Where a dialog of dialogSize goes to sit centred over a window whose outer frame is
// ownerFrame; the halves are truncated toward zero.
QPoint centredOver(const QRect& ownerFrame, const QSize& dialogSize);

// Moves the dialog so that it is centred over the owner window, frames included.
void placeCentredOver(QWidget& dialog, const QWidget& owner);
