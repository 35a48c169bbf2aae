#include "tools/glyphlib/json_text.h"

#include <charconv>
#include <cstdio>

namespace json {

void appendString(std::string& out, std::string_view utf8) {
    out += '"';
    for (const char c : utf8) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    out += '"';
}

void appendKey(std::string& out, std::string_view key) {
    appendString(out, key);
    out += ':';
}

void appendInt(std::string& out, std::string_view key, int64_t value) {
    appendKey(out, key);
    out += std::to_string(value);
}

void appendReal(std::string& out, std::string_view key, float value) {
    appendKey(out, key);
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.append(text, result.ptr);
}

}  // namespace json
