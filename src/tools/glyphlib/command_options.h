#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The options of a command, taken out of its arguments before the file names are parsed.
struct TakenOptions {
    std::map<std::string, std::string, std::less<>> values;  // a flag maps to ""
    std::vector<std::string> rest;  // the file names and --kind, for parseLibraryArguments

    bool has(std::string_view option) const { return values.contains(option); }
    const std::string* value(std::string_view option) const;
};

// Takes out the options named in `valued` (given as "OPTION VALUE" or "--option=VALUE") and
// in `flags` (without a value). Nothing, after a usage error on stderr, when one lacks its value.
std::optional<TakenOptions> takeOptions(std::span<const std::string> args, std::string_view command,
                                        std::span<const std::string_view> valued,
                                        std::span<const std::string_view> flags = {});

// Prints "glyphlib COMMAND: MESSAGE" and the command's usage line on stderr.
void printUsageError(std::string_view command, const std::string& message);

// The whole number the text holds, nothing when it holds anything else.
std::optional<int> wholeNumber(std::string_view text);
