#include "editing/keyboard.h"

#include <algorithm>
#include <cmath>

#include "display/display_point.h"
#include "editing/pointer_input.h"

namespace {

bool movesAlongX(DrawingKey key) {
    return key == DrawingKey::Left || key == DrawingKey::Right;
}

bool movesBack(DrawingKey key) {
    return key == DrawingKey::Left || key == DrawingKey::Up;
}

bool isArrow(DrawingKey key) {
    return key != DrawingKey::Space;
}

}  // namespace

int32_t KeyboardStep(DrawingKey key, int32_t v, bool snapToGrid) {
    if (snapToGrid) {
        return movesBack(key) ? -GridStep : GridStep;
    }
    // r is the offset within the grid cell and d the nearest tenth of a cell (2r/3 is never a
    // half); the step goes to the whole pixel at the tenth before or after it.
    const int32_t r = ((v - AreaMin) % GridStep + GridStep) % GridStep;
    const int32_t d = (2 * r + 1) / 3;
    const double target = movesBack(key) ? (d - 1) * 1.5 : (d + 1) * 1.5;
    return static_cast<int32_t>(std::trunc(target - r));
}

void Editor_KeyDown(EditContext& ctx, DrawingKey key) {
    EditorState& s = ctx.state;
    const bool drawing =
        s.pointerState == PointerState::LinePoints || s.pointerState == PointerState::ArcPoints;
    if (!s.pointerPos.isSet() || !drawing || ctx.ui.entryListHasFocus()) {
        return;
    }
    ctx.ui.setCursor(CursorShape::Cross);
    if (isArrow(key)) {
        int32_t& v = movesAlongX(key) ? s.pointerPos.x : s.pointerPos.y;
        v = std::clamp(v + KeyboardStep(key, v, s.snapToGrid), AreaMin, AreaMax);
    }
    const DisplayPoint at = s.pointerPos;
    ctx.ui.placePointer(at);
    if (isArrow(key)) {
        SymBox_MouseMove(ctx, {}, at.x, at.y);
    } else {
        ShiftState leftHeld;
        leftHeld.left = true;
        SymBox_MouseUp(ctx, MouseButton::Left, leftHeld, at.x, at.y);
    }
}

void EditMenu_Snap_Click(EditContext& ctx) {
    ctx.ui.setStatusText(0, "");
    ctx.state.snapToGrid = !ctx.state.snapToGrid;
    ctx.ui.setChecked(Command::EditMenu_Snap, ctx.state.snapToGrid);
}
