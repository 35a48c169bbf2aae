// Feeds arbitrary text to the settings file reader, as any user or program may leave in the
// host's or the editor's settings files. Whatever it reads, writing one value must give a
// text that reads back that value and every other value as before.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>

#include "model/ini_text.h"

namespace {

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

constexpr std::array<std::pair<std::string_view, std::string_view>, 7> Addresses = {{
    {"Software\\Veltrax\\Veltrax Plotwerk\\1.6\\General", "Symbol Library"},
    {"Software\\Veltrax\\Veltrax Plotwerk\\1.6\\General", "Linetype Library"},
    {"Software\\Veltrax\\Veltrax Ducton\\4.0", "Font Size Adjustment"},
    {"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\PWHost.exe", "Path"},
    {"Zoom", "Percent"},
    {"", "Top"},
    {"A\\b c\\%", "Name=[x]"},
}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const IniText before{std::string(input)};
    for (const auto& [key, name] : Addresses) {
        (void)before.keyExists(key);
    }
    // The value written: the input's last line, at most 64 bytes of it.
    const size_t lastLine = input.find_last_of('\n');
    std::string_view value =
        lastLine == std::string_view::npos ? input : input.substr(lastLine + 1);
    value = value.substr(0, 64);
    const auto& [key, name] = Addresses[size % Addresses.size()];

    const std::optional<std::string> changed = before.withValue(key, name, value);
    check(changed.has_value() == encodeIniValue(value).has_value());
    if (!changed) {
        return 0;
    }
    const IniText after(*changed);
    check(after.complete() == before.complete());
    check(after.value(key, name) == value);
    for (const auto& [otherKey, otherName] : Addresses) {
        if (otherKey != key || otherName != name) {
            check(after.value(otherKey, otherName) == before.value(otherKey, otherName));
        }
    }
    return 0;
}
