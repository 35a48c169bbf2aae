#pragma once

#include "editing/edit_context.h"
#include "editing/editor_ui.h"

// The Line and Arc tools and the commands that choose a tool: the toolbar buttons, the Draw
// menu, Edit > Select and the context menu of the drawing area.

// Line tool. Coming from the Arc tool the chain goes on from the last arc; otherwise a new
// chain starts with the next click.
void tbLineBtn_Click(EditContext& ctx);
// Arc tool; coming from the Line tool the chain goes on from the last line.
void tbArcBtn_Click(EditContext& ctx);
// Draw > Line and Draw > Arc share this handler; `sender` is DrawMenu_Line or DrawMenu_Arc.
void DrawMenu_Click(EditContext& ctx, Command sender);
// Edit > Select (F2).
void EditMenu_Select_Click(EditContext& ctx);
void PopUpMnuLineClick(EditContext& ctx);
void PopUpMnuArcClick(EditContext& ctx);
void PopUpMnuSelectClick(EditContext& ctx);
