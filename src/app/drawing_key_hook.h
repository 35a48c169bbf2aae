#pragma once

#include <QObject>
#include <functional>
#include <optional>

#include "editing/keyboard.h"

// The application-wide key hook: the arrow keys and Space reach the drawing area whichever
// control has the focus, and that control still gets them. The name fields of the entry
// dialogs, the entry list, message boxes and file dialogs keep their keys to themselves.
// Install it on the application.
class DrawingKeyHook : public QObject {
  public:
    DrawingKeyHook(std::function<void(DrawingKey)> onKey, QObject* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    std::function<void(DrawingKey)> onKey_;
};

// The drawing key of a Qt key code; nothing for every other key.
std::optional<DrawingKey> drawingKeyOf(int qtKey);
