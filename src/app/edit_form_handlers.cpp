// The main window's event handlers that hand over to the editing core: the drawing area's
// mouse events, Timer2, the tools, the colour boxes and the drawing commands.

#include <QMouseEvent>

#include "app/edit_form.h"
#include "editing/colours.h"
#include "editing/drawing_tools.h"
#include "editing/pointer_input.h"
#include "editing/redraw.h"
#include "editing/selection_commands.h"
#include "editing/undo.h"

namespace {

MouseButton toMouseButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::RightButton:
            return MouseButton::Right;
        case Qt::MiddleButton:
            return MouseButton::Middle;
        default:
            return MouseButton::Left;
    }
}

ShiftState toShiftState(const QMouseEvent& event) {
    return {event.modifiers().testFlag(Qt::ShiftModifier), event.buttons().testFlag(Qt::LeftButton),
            event.buttons().testFlag(Qt::RightButton), event.buttons().testFlag(Qt::MiddleButton)};
}

}  // namespace

void TEditForm::runHandler(const std::function<void(EditContext&)>& handler) {
    handler(ctx_);
    // Whatever the incremental drawing touched is made to agree with a full redraw.
    SettlePicture(ctx_);
    // The core draws straight into the canvas raster; show what it drew.
    widgets_.symBox->update();
    recovery_.noteEdit();
}

void TEditForm::runPointerFeedback(const std::function<void(EditContext&)>& handler) {
    handler(ctx_);
    widgets_.symBox->update();
}

void TEditForm::connectCommand(Command command, std::function<void(EditContext&)> handler) {
    connect(commands_.action(command), &QAction::triggered, this,
            [this, handler = std::move(handler)] { runHandler(handler); });
}

void TEditForm::connectEditingHandlers() {
    SymBox* box = widgets_.symBox;
    box->setPaintHandler([this] {
        if (loaded_) {
            SymBoxPaint(ctx_);
        }
    });
    // The core sees surface pixels only: the zoom is divided out here.
    connect(box, &SymBox::mousePressed, this, [this, box](QMouseEvent* e) {
        const QPoint p = box->surfacePosition(e->position());
        runPointerFeedback([&](EditContext& ctx) {
            SymBox_MouseDown(ctx, toMouseButton(e->button()), toShiftState(*e), p.x(), p.y());
        });
    });
    connect(box, &SymBox::mouseMoved, this, [this, box](QMouseEvent* e) {
        const QPoint p = box->surfacePosition(e->position());
        runPointerFeedback(
            [&](EditContext& ctx) { SymBox_MouseMove(ctx, toShiftState(*e), p.x(), p.y()); });
    });
    connect(box, &SymBox::mouseReleased, this, [this, box](QMouseEvent* e) {
        const QPoint p = box->surfacePosition(e->position());
        runHandler([&](EditContext& ctx) {
            SymBox_MouseUp(ctx, toMouseButton(e->button()), toShiftState(*e), p.x(), p.y());
        });
    });
    // Off the drawing area the pointer is nowhere, wherever it went: the bare client area, the
    // status bar, the entry list or another window.
    connect(box, &SymBox::pointerLeft, this, [this] {
        if (loaded_) {
            Form_MouseMove();
        }
    });
    connect(widgets_.Timer2, &QTimer::timeout, this, [this] { runHandler(Timer2Timer); });
    for (ColourBox* colourBox : widgets_.colourBoxes) {
        connect(colourBox, &ColourBox::clicked, this,
                [this](int n) { runHandler([n](EditContext& ctx) { ColourBox_Click(ctx, n); }); });
    }

    using C = Command;
    connectCommand(C::tbSelectBtn, tbSelectBtn_Click);
    connectCommand(C::tbLineBtn, tbLineBtn_Click);
    connectCommand(C::tbArcBtn, tbArcBtn_Click);
    connectCommand(C::tbUndoBtn, tbUndoBtn_click);
    connectCommand(C::EditMenu_Undo, EditMenu_Undo_Click);
    connectCommand(C::tbRedoBtn, tbRedoBtn_click);
    connectCommand(C::EditMenu_Redo, EditMenu_Redo_Click);
    connectCommand(C::EditMenu_Select, EditMenu_Select_Click);
    connectCommand(C::EditMenu_SelectAll, EditMenu_SelectAll_Click);
    connectCommand(C::DrawMenu_Line,
                   [](EditContext& ctx) { DrawMenu_Click(ctx, C::DrawMenu_Line); });
    connectCommand(C::DrawMenu_Arc, [](EditContext& ctx) { DrawMenu_Click(ctx, C::DrawMenu_Arc); });
    connectCommand(C::DrawMenu_Refresh, DrawMenu_RefreshClick);
    connectCommand(C::SymbolMenu_ShowSizeRad, SymbolMenu_ShowSizeRad_Click);
    connectCommand(C::SymbolMenu_ShowClipRad, SymbolMenu_ShowClipRad_Click);
    connectCommand(C::PopUpMnuLine, PopUpMnuLineClick);
    connectCommand(C::PopUpMnuArc, PopUpMnuArcClick);
    connectCommand(C::PopUpMnuSelect, PopUpMnuSelectClick);
}

void TEditForm::Form_MouseMove() {
    runPointerFeedback(::Form_MouseMove);
}
