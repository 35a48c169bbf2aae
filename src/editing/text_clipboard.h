#pragma once

#include <string>

// The system clipboard as plain text (UTF-8). It is shared with every other program, so each
// read sees what is there now.
class TextClipboard {
  public:
    virtual ~TextClipboard() = default;
    // The plain text on the clipboard; empty when it holds none.
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
    virtual void clear() = 0;
};
