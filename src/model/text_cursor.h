#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Reads a library file's bytes line by line or number by number. Lines end with LF; a CR
// directly before it belongs to the line ending. A missing final line ending is accepted.
class TextCursor {
  public:
    explicit TextCursor(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }
    // 1-based number of the line the cursor is on.
    int64_t lineNumber() const { return line_; }

    // The rest of the current line without its ending, cut to 60 characters; moves to the
    // next line.
    std::string_view readLine();
    void skipLine();

    // The next byte of the current line without skipping blanks; nothing at the end of a line
    // or of the text (the cursor then stays where it is).
    std::optional<char> readChar();

    // The next run of bytes above the blank, after skipping blanks, control bytes and line
    // endings; nothing at the end of the text.
    std::optional<std::string_view> readToken();

  private:
    std::string_view text_;
    size_t pos_ = 0;
    int64_t line_ = 1;
};
