#include <cstdio>
#include <iostream>

#include "tools/glyphlib/command.h"
#include "tools/glyphlib/commands.h"
#include "tools/glyphlib/library_arguments.h"
#include "tools/glyphlib/library_description.h"
#include "tools/glyphlib/library_loading.h"

namespace {

void printEntries(const Library& library) {
    for (int n = 1; n <= library.entryCount; ++n) {
        const EntryName& name = library.entry(n).name;
        // Pad by the stored single-byte length, so columns line up after decoding.
        const std::string padding(EntryName::MaxLength - name.view().size(), ' ');
        char number[16];
        std::snprintf(number, sizeof number, "%5d", n);
        std::cout << number << "  " << printableName(library, n) << padding << "  "
                  << countEntities(library.entities(n)) << " entities\n";
    }
}

}  // namespace

int runInfo(std::span<const std::string> args) {
    const auto parsed = parseLibraryArguments(args, 1, "info");
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
    const Library& library = loaded->library;
    std::cout << file << '\n'
              << "  kind:    " << kindName(library.libraryKind) << '\n'
              << "  layout:  " << layoutName(result.layout) << '\n'
              << "  entries: " << library.entryCount << '\n';
    printEntries(library);
    for (const ReadFinding& finding : result.findings) {
        std::cout << "  finding: " << findingText(finding) << '\n';
    }
    return reportUnreadable(file, result) ? exit_code::Success : exit_code::Unreadable;
}
