#include "app/drawing_key_hook.h"

#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QWidget>

namespace {

// The controls whose own use of the arrow keys and Space must not move the drawing pointer.
bool keepsItsKeys(const QWidget* focus) {
    if (focus == nullptr) {
        return false;
    }
    const QString name = focus->objectName();
    return name == "SymName" || name == "LTypeName" || name == "SymbList";
}

// A message box or a file dialog keeps its keys: the Space that dismisses the entity limit
// warning must not click into the drawing once more and bring the warning back.
bool dialogKeepsItsKeys(const QWidget* window) {
    return qobject_cast<const QMessageBox*>(window) != nullptr ||
           qobject_cast<const QFileDialog*>(window) != nullptr;
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

DrawingKeyHook::DrawingKeyHook(std::function<void(DrawingKey)> onKey, QObject* parent)
    : QObject(parent), onKey_(std::move(onKey)) {}

bool DrawingKeyHook::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && isFirstWidgetDelivery(watched) &&
        !keepsItsKeys(QApplication::focusWidget()) &&
        !dialogKeepsItsKeys(QApplication::activeWindow())) {
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
