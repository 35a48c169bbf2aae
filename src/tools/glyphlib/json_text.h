#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Pieces of JSON text for glyphlib's output, appended to a string.
namespace json {

// A string member value: quotes, backslashes and control characters escaped.
void appendString(std::string& out, std::string_view utf8);
// "key": (the value follows)
void appendKey(std::string& out, std::string_view key);
void appendInt(std::string& out, std::string_view key, int64_t value);
// The shortest text that reads back as the same 4-byte real.
void appendReal(std::string& out, std::string_view key, float value);

}  // namespace json
