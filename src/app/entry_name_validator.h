#pragma once

#include <QValidator>

// Entry names are single bytes of the code page in which they are shown (Windows-1252), so the
// name fields take only the characters that code page holds, and no control characters: every
// typed name is stored and read back unchanged. Typing or pasting anything else is refused.
class EntryNameValidator final : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};
