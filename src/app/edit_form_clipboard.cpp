// The main window's Edit menu commands that reach the clipboard, Snap to Grid, and the key hook
// that lets the arrow keys and Space draw.

#include <QApplication>
#include <QClipboard>

#include "app/drawing_key_hook.h"
#include "app/edit_form.h"
#include "editing/clipboard.h"
#include "editing/keyboard.h"

void TEditForm::connectClipboardAndKeyboard() {
    using C = Command;
    connectCommand(C::EditMenu_Cut, EditMenu_Cut_Click);
    connectCommand(C::EditMenu_Copy, EditMenu_Copy_Click);
    connectCommand(C::EditMenu_Paste, EditMenu_Paste_Click);
    connectCommand(C::EditMenu_Delete, EditMenu_Delete_Click);
    connectCommand(C::EditMenu_Snap, EditMenu_Snap_Click);

    auto* hook = new DrawingKeyHook(
        [this](DrawingKey key) {
            runHandler([key](EditContext& ctx) { Editor_KeyDown(ctx, key); });
        },
        this);
    qApp->installEventFilter(hook);

    // Another program's copy need not repaint this window; Ctrl+V must still find Paste enabled.
    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, &TEditForm::FormPaint);
}

void TEditForm::FormPaint() {
    updatePasteEnabled(ctx_);
}

void TEditForm::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    FormPaint();
}
