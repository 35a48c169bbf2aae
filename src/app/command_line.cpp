#include "app/command_line.h"

#include <algorithm>
#include <cctype>

StartupChoice chooseLibrary(std::string_view argument,
                            const std::function<bool(const std::string&)>& fileExists) {
    StartupChoice choice;
    std::string upper(argument);
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (upper.find(".LTP") != std::string::npos) {
        choice.kind = LibraryKind::LineType;
    }
    const bool usable =
        !argument.empty() && argument.size() <= MaxFileNameLength && argument.front() != '*';
    if (usable && fileExists(std::string(argument))) {
        choice.fileName = std::string(argument);
    }
    return choice;
}
