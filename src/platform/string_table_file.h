#pragma once

#include <map>
#include <string>
#include <string_view>

// The layout of a string table file, shared by the built-in table and the strings module:
// UTF-8 text, one entry per line, the decimal number, one tab, the text up to the line end.
// Empty lines and lines starting with "#" are ignored; any other line that is not a valid
// entry (no tab, a number out of range or given twice, invalid UTF-8) is skipped.

inline constexpr int MaxStringNumber = 65535;
// Longer texts are cut to this many UTF-16 characters, the size of the lookup buffer.
inline constexpr int MaxStringLength = 1023;

using NumberedTexts = std::map<int, std::string>;  // number -> UTF-8 text

NumberedTexts parseStringTable(std::string_view fileText);
