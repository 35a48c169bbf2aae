#include "editing/drawing_tools.h"

#include "editing/redraw.h"
#include "editing/rubber_band.h"
#include "editing/selection.h"
#include "editing/selection_commands.h"

namespace {

constexpr int ArcEndPointPrompt = 24;
constexpr int LineEndPointPrompt = 25;
constexpr int ArcStartPointPrompt = 26;
constexpr int LineStartPointPrompt = 27;

// What both drawing tools do on being chosen: the tool's button, menu check marks and cursor,
// and nothing stays selected while drawing.
void chooseDrawingTool(EditContext& ctx, PointerState tool, int prompt) {
    EditorState& s = ctx.state;
    const bool line = tool == PointerState::LinePoints;
    ctx.ui.setChecked(line ? Command::tbLineBtn : Command::tbArcBtn, true);
    ctx.ui.setCursor(CursorShape::Cross);
    s.pointerState = tool;
    ctx.ui.setStatusText(0, ctx.strings.loadText(prompt));
    ctx.ui.setChecked(Command::DrawMenu_Line, line);
    ctx.ui.setChecked(Command::DrawMenu_Arc, !line);
    ctx.ui.setChecked(Command::EditMenu_Select, false);
    if (selectedCount(s.selection) > 0) {
        ResetSelectionView(ctx, true);
        RestyleAll(ctx, PenStyle::Solid);
    }
}

// Switching between the two drawing tools keeps the chain; anything else starts a new one.
void startNewChainUnlessComingFrom(EditContext& ctx, PointerState otherTool) {
    if (ctx.state.pointerState != otherTool) {
        RemoveToolRubberBand(ctx);
        ctx.state.lastPoint = {};
    }
}

}  // namespace

void tbLineBtn_Click(EditContext& ctx) {
    startNewChainUnlessComingFrom(ctx, PointerState::ArcPoints);
    const int prompt = ctx.state.lastPoint.isSet() ? LineEndPointPrompt : LineStartPointPrompt;
    chooseDrawingTool(ctx, PointerState::LinePoints, prompt);
}

void tbArcBtn_Click(EditContext& ctx) {
    startNewChainUnlessComingFrom(ctx, PointerState::LinePoints);
    ctx.state.rubber.rubberWasLine = true;
    const int prompt = ctx.state.lastPoint.isSet() ? ArcEndPointPrompt : ArcStartPointPrompt;
    chooseDrawingTool(ctx, PointerState::ArcPoints, prompt);
}

void DrawMenu_Click(EditContext& ctx, Command sender) {
    ctx.ui.setStatusText(0, "");
    if (!ctx.state.pointerPos.isSet()) {
        // Gives the keyboard commands a pointer to start from.
        ctx.state.pointerPos = {100, 100};
    }
    if (sender == Command::DrawMenu_Arc) {
        tbArcBtn_Click(ctx);
    } else {
        tbLineBtn_Click(ctx);
    }
}

void EditMenu_Select_Click(EditContext& ctx) {
    ctx.ui.setStatusText(0, "");
    tbSelectBtn_Click(ctx);
    ctx.state.pointerState = PointerState::SelectIdle;
}

// The tool buttons remove the rubber band themselves; removing it here as well would draw the
// XOR figure a second time and bring it back.
void PopUpMnuLineClick(EditContext& ctx) {
    tbLineBtn_Click(ctx);
}

void PopUpMnuArcClick(EditContext& ctx) {
    tbArcBtn_Click(ctx);
}

void PopUpMnuSelectClick(EditContext& ctx) {
    tbSelectBtn_Click(ctx);
}
