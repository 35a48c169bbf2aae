#include <iostream>

#include "tools/glyphlib/command.h"
#include "tools/glyphlib/commands.h"
#include "tools/glyphlib/json_dump.h"
#include "tools/glyphlib/library_arguments.h"
#include "tools/glyphlib/library_loading.h"

int runDump(std::span<const std::string> args) {
    const auto parsed = parseLibraryArguments(args, 1, "dump");
    if (!parsed) {
        return exit_code::Usage;
    }
    const std::string& file = parsed->files[0];
    const auto loaded = loadLibrary(file, parsed->kindFor(file));
    const ReadResult& result = loaded->result;
    if (!holdsLibrary(result)) {
        reportUnreadable(file, result);
        return exit_code::Unreadable;
    }
    std::cout << libraryJson(loaded->library, result) << '\n';
    return reportUnreadable(file, result) ? exit_code::Success : exit_code::Unreadable;
}
