#include "model/text_cursor.h"

#include <algorithm>

#include "model/library_format.h"

namespace {

bool isBlank(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

}  // namespace

std::string_view TextCursor::readLine() {
    const size_t start = std::min(pos_, text_.size());
    size_t end = text_.find('\n', start);
    if (end == std::string_view::npos) {
        end = text_.size();
        pos_ = end;
    } else {
        pos_ = end + 1;
        ++line_;
    }
    std::string_view line = text_.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    return line.substr(0, library_format::MaxLineLength);
}

void TextCursor::skipLine() {
    readLine();
}

std::optional<char> TextCursor::readChar() {
    if (atEnd()) {
        return std::nullopt;
    }
    const char c = text_[pos_];
    if (c == '\n' || (c == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n')) {
        return std::nullopt;
    }
    ++pos_;
    return c;
}

std::optional<std::string_view> TextCursor::readToken() {
    while (pos_ < text_.size() && isBlank(text_[pos_])) {
        if (text_[pos_] == '\n') {
            ++line_;
        }
        ++pos_;
    }
    if (atEnd()) {
        return std::nullopt;
    }
    const size_t start = pos_;
    while (pos_ < text_.size() && !isBlank(text_[pos_])) {
        ++pos_;
    }
    return text_.substr(start, pos_ - start);
}
