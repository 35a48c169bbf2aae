#pragma once

#include <string>

#include "editing/text_clipboard.h"

// A clipboard of its own per test, so tests never touch the desktop's clipboard.
class MemoryClipboard final : public TextClipboard {
  public:
    std::string text() const override { return text_; }
    void setText(const std::string& text) override { text_ = text; }
    void clear() override { text_.clear(); }

  private:
    std::string text_;
};
