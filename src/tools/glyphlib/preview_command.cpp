#include "platform/preview_picture.h"
#include "tools/glyphlib/command.h"
#include "tools/glyphlib/commands.h"
#include "tools/glyphlib/entry_outputs.h"
#include "tools/glyphlib/library_arguments.h"
#include "tools/glyphlib/library_loading.h"

namespace {

constexpr int MinPreviewSide = 32;
constexpr int MaxPreviewSide = 4096;
constexpr std::string_view PreviewOptions[] = {"--entry", "-o", "--all", "--size"};

// "WxH", each side 32..4096.
std::optional<QSize> previewSize(const std::string& text) {
    const size_t x = text.find('x');
    if (x == std::string::npos) {
        return std::nullopt;
    }
    const auto width = wholeNumber(std::string_view(text).substr(0, x));
    const auto height = wholeNumber(std::string_view(text).substr(x + 1));
    const auto fits = [](std::optional<int> side) {
        return side && *side >= MinPreviewSide && *side <= MaxPreviewSide;
    };
    if (!fits(width) || !fits(height)) {
        return std::nullopt;
    }
    return QSize(*width, *height);
}

}  // namespace

int runPreview(std::span<const std::string> args) {
    const auto options = takeOptions(args, "preview", PreviewOptions);
    if (!options) {
        return exit_code::Usage;
    }
    EntryOutputs outputs;
    if (const auto error = parseEntryOutputs(*options, 1, "OUT.png", outputs)) {
        printUsageError("preview", *error);
        return exit_code::Usage;
    }
    QSize size = DefaultPreviewSize;
    if (const std::string* given = options->value("--size")) {
        const auto parsed = previewSize(*given);
        if (!parsed) {
            printUsageError("preview", "--size needs WxH, each side a whole number from " +
                                           std::to_string(MinPreviewSide) + " to " +
                                           std::to_string(MaxPreviewSide));
            return exit_code::Usage;
        }
        size = *parsed;
    }
    const NamedLibrary named = loadNamedLibrary(options->rest, "preview");
    if (!named.loaded) {
        return named.exitCode;
    }
    const std::string& file = named.file;
    const auto& loaded = named.loaded;
    reportFindings(file, loaded->result);
    const Library& library = loaded->library;
    return writeEntryOutputs(
        file, library, outputs, QStringLiteral("png"), [&](int n, const QString& path) {
            const EntityArray& entities = library.entities(n);
            const auto count = size_t(countEntities(entities));
            return writePicture(entryPreview(library.libraryKind, library.entry(n),
                                             std::span(entities.data(), count), size, false),
                                path);
        });
}
