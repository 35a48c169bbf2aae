#include "tools/glyphlib/command.h"
#include "tools/glyphlib/commands.h"
#include "tools/glyphlib/library_arguments.h"
#include "tools/glyphlib/library_loading.h"

int runConvert(std::span<const std::string> args) {
    const auto parsed = parseLibraryArguments(args, 2, "convert");
    if (!parsed) {
        return exit_code::Usage;
    }
    const std::string& in = parsed->files[0];
    const std::string& out = parsed->files[1];
    const auto loaded = loadLibrary(in, parsed->kindFor(in));
    if (!reportUnreadable(in, loaded->result)) {
        return exit_code::Unreadable;  // a part of a library is not converted
    }
    reportFindings(in, loaded->result);
    return writeLibraryTo(out, loaded->library);
}
