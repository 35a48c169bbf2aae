#pragma once

#include <map>
#include <string>

#include "editing/string_source.h"
#include "editing/text_clipboard.h"

// Strings from a small table; any other number reads "#n", so tests see which was used.
class TableStrings : public StringSource {
  public:
    TableStrings() = default;
    explicit TableStrings(std::map<int, std::string> table) : table_(std::move(table)) {}

    std::string loadText(int n) const override {
        const auto found = table_.find(n);
        return found == table_.end() ? "#" + std::to_string(n) : found->second;
    }

    void set(int n, std::string text) { table_[n] = std::move(text); }

  private:
    std::map<int, std::string> table_;
};

// A clipboard that holds its text in memory.
class MemoryClipboard : public TextClipboard {
  public:
    std::string text() const override { return content; }
    void setText(const std::string& text) override { content = text; }
    void clear() override { content.clear(); }

    std::string content;
};
