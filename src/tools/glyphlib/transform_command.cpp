#include <iostream>
#include <optional>

#include "display/entity_transform.h"
#include "model/cp1252.h"
#include "tools/glyphlib/command.h"
#include "tools/glyphlib/command_options.h"
#include "tools/glyphlib/commands.h"
#include "tools/glyphlib/entry_outputs.h"
#include "tools/glyphlib/library_arguments.h"
#include "tools/glyphlib/library_loading.h"

namespace {

constexpr std::string_view Name = "transform";
constexpr std::string_view Valued[] = {"--rotate", "--scale", "--entry"};
constexpr std::string_view Flags[] = {"--mirror-x", "--mirror-y"};

// The one transform the options name; the error text when they name none, several or a wrong
// one.
std::optional<Transform> chosenTransform(const TakenOptions& options, std::string& error) {
    error = "expects one of --mirror-x, --mirror-y, --rotate or --scale";
    const int named = static_cast<int>(options.has("--mirror-x")) + options.has("--mirror-y") +
                      options.has("--rotate") + options.has("--scale");
    if (named != 1) {
        return std::nullopt;
    }
    if (options.has("--mirror-x") || options.has("--mirror-y")) {
        return Transform{options.has("--mirror-x") ? TransformKind::MirrorLeftRight
                                                   : TransformKind::MirrorUpDown};
    }
    if (const std::string* degrees = options.value("--rotate")) {
        error = "--rotate needs 90, 180 or 270";
        const auto whole = wholeNumber(*degrees);
        return whole ? Transform::rotationByDegrees(*whole) : std::nullopt;
    }
    error = "--scale needs a factor from 0.1 to 10";
    const auto factor = ParseScaleFactor(*options.value("--scale"));
    return factor ? std::optional(Transform{TransformKind::Scale, *factor}) : std::nullopt;
}

const char* refusalText(TransformRefusal refusal) {
    return refusal == TransformRefusal::LeavesArea ? "would leave the drawing area"
                                                   : "would shrink a line or an arc to a point";
}

}  // namespace

int runTransform(std::span<const std::string> args) {
    const auto options = takeOptions(args, Name, Valued, Flags);
    if (!options) {
        return exit_code::Usage;
    }
    std::string error;
    const std::optional<Transform> transform = chosenTransform(*options, error);
    if (!transform) {
        printUsageError(Name, error);
        return exit_code::Usage;
    }
    const auto parsed = parseLibraryArguments(options->rest, 2, Name);
    if (!parsed) {
        return exit_code::Usage;
    }
    const std::string& in = parsed->files[0];
    const std::string& out = parsed->files[1];
    const auto loaded = loadLibrary(in, parsed->kindFor(in));
    if (!reportUnreadable(in, loaded->result)) {
        return exit_code::Unreadable;  // a part of a library is never written as the whole
    }
    reportFindings(in, loaded->result);
    Library& library = loaded->library;
    int first = 1;
    int last = library.entryCount;
    if (const std::string* entry = options->value("--entry")) {
        first = last = findEntry(library, *entry);
        if (first == 0) {
            std::cerr << "glyphlib: " << in << ": no entry " << *entry << '\n';
            return exit_code::Usage;
        }
    }
    bool unchanged = false;
    for (int n = first; n <= last; ++n) {
        EntityArray& entryEntities = library.entities(n);
        const auto entities =
            std::span(entryEntities).first(static_cast<size_t>(countEntities(entryEntities)));
        const TransformOutcome outcome = TransformEntities(
            entities, *transform, TransformCentre(library.libraryKind, library.entry(n)));
        if (outcome.refusal != TransformRefusal::None) {
            std::cerr << "glyphlib: " << in << ": #" << n << ' '
                      << cp1252ToUtf8(library.entry(n).name.view()) << " left unchanged: entity "
                      << outcome.refusedAt + 1 << ' ' << refusalText(outcome.refusal) << '\n';
            unchanged = true;
        }
    }
    const int written = writeLibraryTo(out, library);
    if (written != exit_code::Success) {
        return written;
    }
    return unchanged ? exit_code::ProblemsFound : exit_code::Success;
}
