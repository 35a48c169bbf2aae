#include "editing/colours.h"

#include "display/palette.h"
#include "display/primitives.h"
#include "editing/redraw.h"
#include "editing/selection.h"
#include "editing/undo.h"

namespace {

bool entryUsesColours(const EditorState& s) {
    return s.work.workEntry.useColours != 0;
}

// Whether a selected number names an entity of the working copy.
}  // namespace

void SetColourSamplePen(EditContext& ctx, Rgb colour) {
    ctx.state.colourSamplePen = colour;
    ctx.ui.setColourSamplePen(colour);
}

void ShowCurrentColourSample(EditContext& ctx) {
    SetColourSamplePen(ctx, PaletteColour(ctx.state.currentColour, entryUsesColours(ctx.state)));
}

void ShowColourBoxes(EditContext& ctx) {
    ctx.ui.setColourBoxesActive(entryUsesColours(ctx.state));
}

void UpdateColourSample(EditContext& ctx) {
    const EditorState& s = ctx.state;
    const int count = selectedCount(s.selection);
    if (count == 0) {
        return;
    }
    bool same = entryUsesColours(s);
    int32_t common = 0;
    for (int i = 1; i <= count && same; ++i) {
        const int32_t index = selectedItem(s.selection, i);
        if (!isWorkEntity(s, index)) {
            continue;
        }
        const int32_t colour = s.work.workEntities[index - 1].colour;
        same = common == 0 || colour == common;
        common = colour;
    }
    SetColourSamplePen(ctx, same && common != 0 ? PaletteColour(common, true) : Silver);
}

void ColourBox_Click(EditContext& ctx, int32_t n) {
    EditorState& s = ctx.state;
    if (!entryUsesColours(s)) {
        ctx.ui.beep();
        return;
    }
    if (n < 1 || n > ColourBoxCount) {
        return;
    }
    SetColourSamplePen(ctx, PaletteColour(n, true));
    s.currentColour = n;
    const int count = selectedCount(s.selection);
    if (count == 0) {
        return;
    }
    if (count == 1) {
        // DrawSelectedEntity shows the grips of a single selection again at the same places.
        if (s.grips.middleShown) {
            ToggleGrip(ctx.canvas, s.grips, s.grips.middlePos, GripKind::Middle);
        }
        if (s.grips.endGripsShown) {
            ToggleGrip(ctx.canvas, s.grips, s.grips.startPos, GripKind::Start);
            ToggleGrip(ctx.canvas, s.grips, s.grips.endPos, GripKind::End);
        }
    }
    for (int i = 1; i <= count; ++i) {
        const int32_t index = selectedItem(s.selection, i);
        if (!isWorkEntity(s, index)) {
            continue;
        }
        Entity recoloured = s.work.workEntities[index - 1];
        recoloured.colour = n;
        setEntity(ctx, index, recoloured);
        DrawSelectedEntity(ctx, index);
    }
    s.library.entryModified = true;
}
