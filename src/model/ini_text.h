#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A settings file in INI form, read as plain text and changed one value at a time, every other
// byte kept as it was.
//
// Lines are blank, comments (first sign ';' or '#'), sections ("[Software\Maker]") or values
// ("Name=text"); a leading UTF-8 byte order mark is skipped and lines may end in CR LF. The path
// of a value is its section's parts followed by its name's parts, parts being separated by '\'
// or '/', so "[Software]" with "Maker\Product\Name=1" and "[Software\Maker\Product]" with
// "Name=1" hold the same value. In section and value names %XX stands for the byte with that
// hex code; names compare ignoring the case of ASCII letters. When a path occurs twice the later
// line counts.
//
// A value is the text after the first '=', without the blanks around it; a value in double
// quotes is the text between them. Backslashes are taken as written, except that a value whose
// backslashes all come in pairs ("C:\\maps\\std.sym") is the escaped form and reads with each
// pair as one backslash. Nothing else is decoded: "@Variant(...)" is just text.
//
// A line that is none of the kinds above (no '=', an unclosed '[', a control character) ends
// the reading: the lines before it are used, the text is incomplete and the rest is left alone.
class IniText {
  public:
    explicit IniText(std::string text);

    const std::string& text() const { return text_; }
    // Whether every line was read; false when a line stopped the reading.
    bool complete() const { return complete_; }

    // The value at key\name ("Software\Maker" and "Name"); nullopt when there is none.
    std::optional<std::string> value(std::string_view key, std::string_view name) const;
    // Whether the key holds a value or a subkey, or is named by a section.
    bool keyExists(std::string_view key) const;

    // The text with key\name set to value: the old value replaced where it stood, else a line
    // added at the end of the section that names the longest part of the key, else a new section
    // at the end. nullopt when it cannot be written: the name is empty or holds a separator, or
    // the value holds a line break or another control character than a tab.
    std::optional<std::string> withValue(std::string_view key, std::string_view name,
                                         std::string_view value) const;

  private:
    struct Section {
        std::string path;  // parts decoded, upper-cased, each ended by a '\0'
        size_t end = 0;    // just past its last line that was read
    };
    struct Entry {
        std::string path;  // the section's path and the name's parts, as above
        size_t valueBegin = 0;
        size_t valueEnd = 0;
    };

    void parse();
    const Entry* find(const std::string& path) const;

    std::string text_;
    std::vector<Section> sections_;  // [0] stands for the lines before the first section
    std::vector<Entry> entries_;
    size_t readEnd_ = 0;  // where the reading stopped: the end, or the line that stopped it
    bool complete_ = true;
};

// How a value is written into the text so that IniText reads it back unchanged; nullopt for a
// value no line can hold (a line break or another control character than a tab).
std::optional<std::string> encodeIniValue(std::string_view value);
