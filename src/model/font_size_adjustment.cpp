#include "model/font_size_adjustment.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "model/see_thru_registry.h"

namespace {

std::string_view trimmed(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    const size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

}  // namespace

int parseFontSizeAdjustment(std::string_view text) {
    std::string_view digits = trimmed(text);
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
        if (!digits.empty() && digits.front() == '-') {
            return 0;
        }
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (end != digits.data() + digits.size() || digits.empty()) {
        return 0;
    }
    if (error == std::errc::result_out_of_range) {
        return digits.front() == '-' ? MinFontSizeAdjustment : MaxFontSizeAdjustment;
    }
    if (error != std::errc()) {
        return 0;
    }
    return static_cast<int>(
        std::clamp<long long>(value, MinFontSizeAdjustment, MaxFontSizeAdjustment));
}

int readFontSizeAdjustment(SettingsStore& settings) {
    TSeeThruRegistry registry(settings);
    // A user store that cannot be written still lets the machine's value through.
    if (!registry.openKey(FontSettingsKey, true) && !registry.openKey(FontSettingsKey, false)) {
        return 0;
    }
    return parseFontSizeAdjustment(registry.readString(FontSizeAdjustmentValue));
}
