#pragma once

#include <QObject>
#include <functional>
#include <optional>

#include "editing/keyboard.h"

// The application-wide key hook: the arrow keys and Space reach the drawing area whichever
// control of the main window has the focus, and that control still gets them. It acts only
// while the main window itself is the active window and no menu, popup or dialog is open;
// the name fields of the entry dialogs, the entry list and its filter field and the menu bar
// in keyboard mode keep their keys to themselves. Install it on the application.
class DrawingKeyHook : public QObject {
  public:
    DrawingKeyHook(const QWidget& mainWindow, std::function<void(DrawingKey)> onKey,
                   QObject* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const QWidget& mainWindow_;
    std::function<void(DrawingKey)> onKey_;
};

// The drawing key of a Qt key code; nothing for every other key.
std::optional<DrawingKey> drawingKeyOf(int qtKey);
