#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

// Numbers as the library files hold them. Blanks around the number are ignored; anything else
// left over makes the text "not a number". A leading '+' is accepted.

// An optional sign and decimal digits, within the int32 range.
// By hand and in one pass rather than with std::from_chars: reading a library is mostly this,
// on fields of six characters.
inline std::optional<int32_t> parseWholeNumber(std::string_view text) {
    const char* p = text.data();
    const char* end = p + text.size();
    while (p < end && *p == ' ') {
        ++p;
    }
    while (end > p && end[-1] == ' ') {
        --end;
    }
    if (p == end) {
        return std::nullopt;
    }
    const bool negative = *p == '-';
    if (negative || *p == '+') {
        if (++p == end) {
            return std::nullopt;
        }
    }
    constexpr int64_t Limit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t magnitude = 0;
    for (; p < end; ++p) {
        const auto digit = static_cast<unsigned>(*p - '0');
        if (digit > 9 || (magnitude = magnitude * 10 + digit) > Limit) {
            return std::nullopt;
        }
    }
    if (!negative && magnitude == Limit) {
        return std::nullopt;
    }
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}

// A decimal real that is finite as a 4-byte real ("nan", "inf" and overflowing values are
// not numbers).
std::optional<float> parseReal(std::string_view text);
// The same check for a real that is only compared, never stored.
std::optional<double> parseDouble(std::string_view text);

// The value of a hexadecimal digit, -1 for any other character.
inline int hexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}
