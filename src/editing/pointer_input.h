#pragma once

#include <cstdint>

#include "editing/edit_context.h"

// The mouse events of the drawing area, as plain values: the window translates its events into
// these calls, and the keyboard commands click through the same handlers.

enum class MouseButton { Left, Right, Middle };

// The Shift key and the buttons held while the event happens.
struct ShiftState {
    bool shift = false;
    bool left = false;
    bool right = false;
    bool middle = false;
};

// A press counts as a move in which the pressed button is held; it also remembers where the
// press happened, so that a press alone never starts a drag.
void SymBox_MouseDown(EditContext& ctx, MouseButton button, ShiftState shift, int32_t x, int32_t y);
void SymBox_MouseMove(EditContext& ctx, ShiftState shift, int32_t x, int32_t y);
void SymBox_MouseUp(EditContext& ctx, MouseButton button, ShiftState shift, int32_t x, int32_t y);
// The pointer moved over the window off the drawing area: the rubber-band line goes away.
void Form_MouseMove(EditContext& ctx);
// Every 100 ms: removes the rubber band once the screen pointer has left the drawing panel.
void Timer2Timer(EditContext& ctx);
// The paint event of the drawing area after the core asked for a repaint (invalidateDrawing):
// the whole picture is drawn again. Other paints only show the canvas as it is.
void SymBoxPaint(EditContext& ctx);
