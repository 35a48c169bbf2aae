// The main window's Edit menu commands that reach the clipboard, Snap to Grid, the key hook
// that lets the arrow keys and Space draw, and Escape.

#include <QApplication>
#include <QClipboard>
#include <QShortcut>

#include "app/drawing_key_hook.h"
#include "app/edit_form.h"
#include "editing/clipboard.h"
#include "editing/escape.h"
#include "editing/keyboard.h"

void TEditForm::connectClipboardAndKeyboard() {
    using C = Command;
    connectCommand(C::EditMenu_Cut, EditMenu_Cut_Click);
    connectCommand(C::EditMenu_Copy, EditMenu_Copy_Click);
    connectCommand(C::EditMenu_Paste, EditMenu_Paste_Click);
    connectCommand(C::EditMenu_Delete, EditMenu_Delete_Click);
    connectCommand(C::EditMenu_Snap, EditMenu_Snap_Click);

    auto* hook = new DrawingKeyHook(
        *this,
        [this](DrawingKey key) {
            runHandler([key](EditContext& ctx) { Editor_KeyDown(ctx, key); });
        },
        this);
    qApp->installEventFilter(hook);

    // A window shortcut: an open menu or dialog takes Escape for itself.
    auto* escape = new QShortcut(Qt::Key_Escape, this);
    escape->setObjectName("EscapeKey");
    connect(escape, &QShortcut::activated, this, [this] {
        if (loaded_) {
            runHandler(Editor_Escape);
        }
    });

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
