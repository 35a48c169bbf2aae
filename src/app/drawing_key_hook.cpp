#include "app/drawing_key_hook.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QWidget>

namespace {

// The controls whose own use of the arrow keys and Space must not move the drawing pointer:
// the entry list, the name fields, and the menu bar while the keyboard walks it (after Alt or
// after Escape closed one of its menus), where Space and the arrows open and choose menus.
bool keepsItsKeys(const QWidget* focus) {
    if (focus == nullptr) {
        return false;
    }
    const QString name = focus->objectName();
    return name == "SymName" || name == "LTypeName" || name == "SymbList" || name == "SymbFilter" ||
           qobject_cast<const QMenuBar*>(focus) != nullptr;
}

// The keys belong to the drawing only while its window is the one the user works in: an open
// menu, context menu, message box, file dialog or entry dialog takes them all, so that the
// Space that closes a box or ticks a check box never draws behind it.
bool mainWindowHasTheKeyboard(const QWidget& mainWindow) {
    return QApplication::activeWindow() == &mainWindow &&
           QApplication::activePopupWidget() == nullptr &&
           QApplication::activeModalWidget() == nullptr;
}

// A key press reaches the application's filters once for the window system's window, once for
// the focus widget and again for each parent that it is passed on to. Only the delivery to the
// focus widget (the window itself while nothing has the focus) counts.
bool isFirstWidgetDelivery(const QObject* watched) {
    const QWidget* focus = QApplication::focusWidget();
    if (focus != nullptr) {
        return watched == focus;
    }
    const auto* widget = qobject_cast<const QWidget*>(watched);
    return widget != nullptr && widget->isWindow();
}

}  // namespace

DrawingKeyHook::DrawingKeyHook(const QWidget& mainWindow, std::function<void(DrawingKey)> onKey,
                               QObject* parent)
    : QObject(parent), mainWindow_(mainWindow), onKey_(std::move(onKey)) {}

bool DrawingKeyHook::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && isFirstWidgetDelivery(watched) &&
        mainWindowHasTheKeyboard(mainWindow_) && !keepsItsKeys(QApplication::focusWidget())) {
        if (const std::optional<DrawingKey> key =
                drawingKeyOf(static_cast<QKeyEvent*>(event)->key())) {
            onKey_(*key);
        }
    }
    return false;  // the key still reaches its control
}

std::optional<DrawingKey> drawingKeyOf(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Left:
            return DrawingKey::Left;
        case Qt::Key_Up:
            return DrawingKey::Up;
        case Qt::Key_Right:
            return DrawingKey::Right;
        case Qt::Key_Down:
            return DrawingKey::Down;
        case Qt::Key_Space:
            return DrawingKey::Space;
        default:
            return std::nullopt;
    }
}
