#pragma once

#include <string>

#include "editing/editor_ui.h"
#include "editing/text_clipboard.h"

// The window's side of the editing core for programs that draw entries without a window
// (glyphlib render, the benchmarks). Nothing is shown; a question is answered with the
// choice that changes nothing.
class HeadlessEditorUi final : public EditorUi {
  public:
    void setStatusText(int, const std::string&) override {}
    void setEnabled(Command, bool) override {}
    void setChecked(Command, bool) override {}
    MessageAnswer showMessage(const std::string&, const std::string&, MessageIcon,
                              MessageButtons buttons) override;
    int showChoice(const std::string&, const std::string&,
                   const std::vector<std::string>& buttons) override;
    void setCursor(CursorShape) override {}
    void setPointerCapture(bool) override {}
    void placePointer(DisplayPoint) override {}
    bool pointerOverDrawingPanel() const override { return false; }
    void setTimer2Enabled(bool) override {}
    void beep() override {}
    void setFocus(FocusTarget) override {}
    bool entryListHasFocus() const override { return false; }
    void setCaption(const std::string&) override {}
    void invalidateDrawing() override {}
    void setColourSamplePen(Rgb) override {}
    void setColourBoxesActive(bool) override {}
};

// A clipboard of the program's own, never the system's.
class PrivateClipboard final : public TextClipboard {
  public:
    std::string text() const override { return text_; }
    void setText(const std::string& text) override { text_ = text; }
    void clear() override { text_.clear(); }

  private:
    std::string text_;
};
