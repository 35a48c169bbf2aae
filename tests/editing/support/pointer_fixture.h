#pragma once

#include "editing/pointer_input.h"
#include "editing/support/editor_fixture.h"

// Drives the drawing area the way the window does: presses, moves and releases in paint-box
// pixels, the left button unless told otherwise.
class PointerFixture : public EditorFixture {
  protected:
    PointerFixture() {
        strings.set(35, "Maximum vector limit reached");
        strings.set(106, "Warning");
        addEntry("Entry", {});
        state.library.currentEntry = 1;
    }

    void press(int x, int y, MouseButton button = MouseButton::Left, ShiftState shift = {}) {
        SymBox_MouseDown(ctx, button, shift, x, y);
        held = button;
    }
    // A move with the button of the last press still held.
    void dragTo(int x, int y, ShiftState shift = {}) {
        shift.left = held == MouseButton::Left;
        shift.right = held == MouseButton::Right;
        SymBox_MouseMove(ctx, shift, x, y);
    }
    void hover(int x, int y) { SymBox_MouseMove(ctx, {}, x, y); }
    void release(int x, int y, MouseButton button = MouseButton::Left, ShiftState shift = {}) {
        SymBox_MouseUp(ctx, button, shift, x, y);
    }
    // A click as the pointer gives it: a move to the point, the press and the release.
    void click(int x, int y, MouseButton button = MouseButton::Left, ShiftState shift = {}) {
        hover(x, y);
        press(x, y, button, shift);
        release(x, y, button, shift);
    }
    void drag(DisplayPoint from, DisplayPoint to) {
        hover(from.x, from.y);
        press(from.x, from.y);
        dragTo(to.x, to.y);
        release(to.x, to.y);
    }

    MouseButton held = MouseButton::Left;
};
