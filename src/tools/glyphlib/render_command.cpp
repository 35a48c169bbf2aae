#include "platform/entry_picture.h"
#include "tools/glyphlib/command.h"
#include "tools/glyphlib/commands.h"
#include "tools/glyphlib/entry_outputs.h"
#include "tools/glyphlib/library_arguments.h"
#include "tools/glyphlib/library_loading.h"

int runRender(std::span<const std::string> args) {
    const auto options = takeOptions(args, "render", EntryOutputOptions);
    if (!options) {
        return exit_code::Usage;
    }
    EntryOutputs outputs;
    if (const auto error = parseEntryOutputs(*options, MaxPictureScale, "OUT.png", outputs)) {
        printUsageError("render", *error);
        return exit_code::Usage;
    }
    const auto parsed = parseLibraryArguments(options->rest, 1, "render");
    if (!parsed) {
        return exit_code::Usage;
    }
    const std::string& file = parsed->files[0];
    const auto loaded = loadLibrary(file, parsed->kindFor(file));
    if (!reportUnreadable(file, loaded->result)) {
        return exit_code::Unreadable;
    }
    reportFindings(file, loaded->result);
    return writeEntryOutputs(
        file, loaded->library, outputs, QStringLiteral("png"), [&](int n, const QString& path) {
            return writePicture(entryPicture(loaded->state, n, outputs.scale), path);
        });
}
