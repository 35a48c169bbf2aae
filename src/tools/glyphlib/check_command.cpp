#include <iostream>

#include "tools/glyphlib/command.h"
#include "tools/glyphlib/commands.h"
#include "tools/glyphlib/library_arguments.h"
#include "tools/glyphlib/library_loading.h"
#include "tools/glyphlib/library_problems.h"

int runCheck(std::span<const std::string> args) {
    const auto parsed = parseLibraryArguments(args, 1, "check");
    if (!parsed) {
        return exit_code::Usage;
    }
    const std::string& file = parsed->files[0];
    const auto loaded = loadLibrary(file, parsed->kindFor(file));
    if (!reportUnreadable(file, loaded->result)) {
        return exit_code::Unreadable;
    }
    const std::vector<std::string> problems = libraryProblems(loaded->library, loaded->result);
    for (const std::string& problem : problems) {
        std::cout << file << ": " << problem << '\n';
    }
    if (problems.empty()) {
        std::cout << file << ": no problems found\n";
        return exit_code::Success;
    }
    return exit_code::ProblemsFound;
}
