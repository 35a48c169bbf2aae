#pragma once

#include "editing/text_clipboard.h"

// The system clipboard through QClipboard, as plain text. Needs a QGuiApplication.
class QtTextClipboard final : public TextClipboard {
  public:
    std::string text() const override;
    void setText(const std::string& text) override;
    void clear() override;
};
