#include "tools/glyphlib/command_options.h"

#include <algorithm>
#include <charconv>
#include <iostream>

#include "tools/glyphlib/command.h"

const std::string* TakenOptions::value(std::string_view option) const {
    const auto found = values.find(option);
    return found == values.end() ? nullptr : &found->second;
}

std::optional<TakenOptions> takeOptions(std::span<const std::string> args, std::string_view command,
                                        std::span<const std::string_view> valued,
                                        std::span<const std::string_view> flags) {
    const auto among = [](std::span<const std::string_view> names, std::string_view name) {
        return std::find(names.begin(), names.end(), name) != names.end();
    };
    TakenOptions taken;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::string option = arg;
        std::optional<std::string> value;
        if (const size_t equals = arg.find('='); arg.starts_with("--") && equals != arg.npos) {
            option = arg.substr(0, equals);
            value = arg.substr(equals + 1);
        }
        if (among(flags, option) && !value) {
            taken.values[option];
        } else if (among(valued, option)) {
            if (!value) {
                if (i + 1 == args.size()) {
                    printUsageError(command, option + " needs a value");
                    return std::nullopt;
                }
                value = args[++i];
            }
            taken.values[option] = *value;
        } else {
            taken.rest.push_back(arg);
        }
    }
    return taken;
}

void printUsageError(std::string_view command, const std::string& message) {
    std::cerr << "glyphlib " << command << ": " << message << '\n';
    for (const Command& c : commandTable()) {
        if (c.name == command) {
            std::cerr << "usage: glyphlib " << c.name << ' ' << c.synopsis << '\n';
        }
    }
}

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}
