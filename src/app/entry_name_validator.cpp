#include "app/entry_name_validator.h"

#include "model/cp1252.h"

QValidator::State EntryNameValidator::validate(QString& input, int&) const {
    for (const char32_t c : input.toUcs4()) {
        if (!isNameCharacter(c)) {
            return QValidator::Invalid;
        }
    }
    return QValidator::Acceptable;
}
