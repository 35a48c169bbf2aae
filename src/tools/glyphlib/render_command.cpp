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
    const NamedLibrary named = loadNamedLibrary(options->rest, "render");
    if (!named.loaded) {
        return named.exitCode;
    }
    const std::string& file = named.file;
    const auto& loaded = named.loaded;
    reportFindings(file, loaded->result);
    return writeEntryOutputs(
        file, loaded->library, outputs, QStringLiteral("png"), [&](int n, const QString& path) {
            return writePicture(entryPicture(loaded->state, n, outputs.scale), path);
        });
}
