#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Numbers as the library files hold them. Both parsers take the whole text: anything left over
// makes it "not a number". A leading '+' is accepted.

std::string_view trimSpaces(std::string_view text);

// An optional sign and decimal digits, within the int32 range.
std::optional<int32_t> parseWholeNumber(std::string_view text);

// A decimal real that is finite as a 4-byte real ("nan", "inf" and overflowing values are
// not numbers).
std::optional<float> parseReal(std::string_view text);
// The same check for a real that is only compared, never stored.
std::optional<double> parseDouble(std::string_view text);
