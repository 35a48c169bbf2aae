#pragma once

#include <QCursor>
#include <QMainWindow>

#include "app/edit_form_layout.h"
#include "app/form_commands.h"
#include "editing/editor_ui.h"

// The EditorUi port on the widgets of the main window.
class QtEditorUi final : public EditorUi {
  public:
    QtEditorUi(QMainWindow& window, const FormCommands& commands, const EditFormWidgets& widgets);
    ~QtEditorUi() override;

    // The "ConstCursor" shape the drawing area shows over something that can be grabbed.
    void setGrabCursor(const QCursor& cursor) { grabCursor_ = cursor; }

    void setStatusText(int panel, const std::string& text) override;
    void setEnabled(Command command, bool enabled) override;
    void setChecked(Command command, bool checked) override;
    MessageAnswer showMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                              MessageButtons buttons) override;
    int showChoice(const std::string& text, const std::string& caption,
                   const std::vector<std::string>& buttons) override;
    void setCursor(CursorShape shape) override;
    void setPointerCapture(bool captured) override;
    void placePointer(DisplayPoint point) override;
    bool pointerOverDrawingPanel() const override;
    void setTimer2Enabled(bool enabled) override;
    void beep() override;
    void setFocus(FocusTarget target) override;
    bool entryListHasFocus() const override;
    void setCaption(const std::string& caption) override;
    void invalidateDrawing() override;
    void setColourSamplePen(Rgb colour) override;
    void setColourBoxesActive(bool useColours) override;

  private:
    void endBusy();

    QMainWindow& window_;
    const FormCommands& commands_;
    const EditFormWidgets& widgets_;
    QCursor grabCursor_{Qt::SizeAllCursor};
    bool busy_ = false;
};
