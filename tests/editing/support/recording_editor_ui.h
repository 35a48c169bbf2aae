#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "editing/editor_ui.h"

// An EditorUi that keeps the last state of everything the core sets and logs the one-off
// events (messages, beeps, placed pointer); answers and pointer position are set by the test.
class RecordingEditorUi : public EditorUi {
  public:
    struct Message {
        std::string text;
        std::string caption;
        MessageIcon icon;
        MessageButtons buttons;
    };

    void setStatusText(int panel, const std::string& text) override { status[panel] = text; }
    void setEnabled(Command command, bool on) override { enabled[command] = on; }
    void setChecked(Command command, bool on) override { checked[command] = on; }
    MessageAnswer showMessage(const std::string& text, const std::string& caption, MessageIcon icon,
                              MessageButtons buttons) override {
        messages.push_back({text, caption, icon, buttons});
        return answer;
    }
    // Logged as a message with OK buttons; answered from `choices` in turn, then the last button.
    int showChoice(const std::string& text, const std::string& caption,
                   const std::vector<std::string>& buttons) override {
        messages.push_back({text, caption, MessageIcon::Question, MessageButtons::Ok});
        choiceButtons.push_back(buttons);
        if (choices.empty()) {
            return static_cast<int>(buttons.size()) - 1;
        }
        const int choice = choices.front();
        choices.erase(choices.begin());
        return choice;
    }
    void setCursor(CursorShape shape) override {
        cursor = shape;
        cursorHistory.push_back(shape);
    }
    void setPointerCapture(bool on) override { captured = on; }
    void placePointer(DisplayPoint point) override { placedPointer.push_back(point); }
    bool pointerOverDrawingPanel() const override { return pointerOverPanel; }
    void setTimer2Enabled(bool on) override { timer2Enabled = on; }
    void beep() override { ++beeps; }
    void setFocus(FocusTarget target) override { focus = target; }
    bool entryListHasFocus() const override { return listHasFocus; }
    void setCaption(const std::string& text) override { caption = text; }
    void invalidateDrawing() override { ++invalidations; }
    void setColourSamplePen(Rgb colour) override { samplePen = colour; }
    void setColourBoxesActive(bool on) override { colourBoxesActive = on; }

    // Whether the command was last enabled (or checked); nullopt when it was never set.
    std::optional<bool> isEnabled(Command command) const { return lookup(enabled, command); }
    std::optional<bool> isChecked(Command command) const { return lookup(checked, command); }
    std::string statusText(int panel) const {
        const auto found = status.find(panel);
        return found == status.end() ? std::string() : found->second;
    }

    std::map<int, std::string> status;
    std::map<Command, bool> enabled;
    std::map<Command, bool> checked;
    std::vector<Message> messages;
    MessageAnswer answer = MessageAnswer::Ok;
    std::vector<int> choices;
    std::vector<std::vector<std::string>> choiceButtons;
    std::optional<CursorShape> cursor;
    std::vector<CursorShape> cursorHistory;
    bool captured = false;
    std::vector<DisplayPoint> placedPointer;
    bool pointerOverPanel = true;
    bool timer2Enabled = false;
    int beeps = 0;
    std::optional<FocusTarget> focus;
    bool listHasFocus = false;
    std::string caption;
    int invalidations = 0;
    std::optional<Rgb> samplePen;
    std::optional<bool> colourBoxesActive;

  private:
    static std::optional<bool> lookup(const std::map<Command, bool>& states, Command command) {
        const auto found = states.find(command);
        if (found == states.end()) {
            return std::nullopt;
        }
        return found->second;
    }
};
