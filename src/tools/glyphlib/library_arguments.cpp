#include "tools/glyphlib/library_arguments.h"

#include <algorithm>
#include <cctype>

#include "tools/glyphlib/command_options.h"

namespace {

std::optional<LibraryKind> kindNamed(std::string_view name) {
    if (name == "symbol") {
        return LibraryKind::Symbol;
    }
    if (name == "linetype") {
        return LibraryKind::LineType;
    }
    return std::nullopt;
}

std::nullopt_t usageError(std::string_view command, const std::string& message) {
    printUsageError(command, message);
    return std::nullopt;
}

}  // namespace

LibraryKind kindFromFileName(const std::string& fileName) {
    std::string upper = fileName;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper.find(".LTP") != std::string::npos ? LibraryKind::LineType : LibraryKind::Symbol;
}

LibraryKind LibraryArguments::kindFor(const std::string& fileName) const {
    return kind.value_or(kindFromFileName(fileName));
}

std::optional<LibraryArguments> parseLibraryArguments(std::span<const std::string> args,
                                                      size_t fileCount, std::string_view command) {
    LibraryArguments parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::optional<std::string> kindName;
        if (arg == "--kind") {
            if (i + 1 == args.size()) {
                return usageError(command, "--kind needs symbol or linetype");
            }
            kindName = args[++i];
        } else if (arg.starts_with("--kind=")) {
            kindName = arg.substr(7);
        } else if (arg.size() > 1 && arg[0] == '-') {
            return usageError(command, "unknown option " + arg);
        } else {
            parsed.files.push_back(arg);
            continue;
        }
        parsed.kind = kindNamed(*kindName);
        if (!parsed.kind) {
            return usageError(command, "unknown kind \"" + *kindName + "\"");
        }
    }
    if (parsed.files.size() != fileCount) {
        return usageError(command, fileCount == 1 ? "expects one file" : "expects two files");
    }
    return parsed;
}
