#include "model/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

std::string_view withoutBlanks(std::string_view text) {
    size_t first = 0;
    size_t end = text.size();
    while (first < end && text[first] == ' ') {
        ++first;
    }
    while (end > first && text[end - 1] == ' ') {
        --end;
    }
    return text.substr(first, end - first);
}

}  // namespace

std::optional<double> parseDouble(std::string_view text) {
    text = withoutBlanks(text);
    // std::from_chars takes no '+'; a second sign after it stays an error.
    if (text.size() > 1 && text[0] == '+' && text[1] != '-' && text[1] != '+') {
        text.remove_prefix(1);
    }
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (ec != std::errc() || ptr != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<float> parseReal(std::string_view text) {
    // Files hold whole numbers here as a rule; those convert exactly within 6 digits.
    if (const std::optional<int32_t> whole = parseWholeNumber(text);
        whole && *whole > -1000000 && *whole < 1000000) {
        return static_cast<float>(*whole);
    }
    const std::optional<double> value = parseDouble(text);
    if (!value || std::fabs(*value) > std::numeric_limits<float>::max()) {
        return std::nullopt;
    }
    return static_cast<float>(*value);
}
