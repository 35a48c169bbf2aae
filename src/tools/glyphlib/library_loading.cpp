#include "tools/glyphlib/library_loading.h"

#include <QString>
#include <iostream>

#include "platform/library_file.h"
#include "platform/string_table.h"
#include "tools/glyphlib/command.h"
#include "tools/glyphlib/library_arguments.h"
#include "tools/glyphlib/library_description.h"

namespace {

constexpr int LibraryFileNotFound = 31;
constexpr int InvalidFileFormat = 32;
constexpr int ErrorWritingLibraryFile = 33;
constexpr int ExistingFileIsReadOnly = 104;

}  // namespace

std::string stringText(int number) {
    static const StringTable strings;
    return strings.loadText(number);
}

std::unique_ptr<LoadedLibrary> loadLibrary(const std::string& fileName, LibraryKind kind) {
    auto loaded = std::make_unique<LoadedLibrary>();
    allocateLibrary(loaded->library);
    loaded->library.libraryKind = kind;
    loaded->result = readLibraryFile(QString::fromLocal8Bit(fileName), loaded->library);
    return loaded;
}

bool holdsLibrary(const ReadResult& result) {
    return result.outcome == ReadOutcome::Read || result.outcome == ReadOutcome::StoppedWithError;
}

void reportFindings(const std::string& fileName, const ReadResult& result) {
    for (const ReadFinding& finding : result.findings) {
        std::cerr << "glyphlib: " << fileName << ": " << findingText(finding) << '\n';
    }
}

bool reportUnreadable(const std::string& fileName, const ReadResult& result) {
    std::string reason;
    switch (result.outcome) {
        case ReadOutcome::Read:
            return true;
        case ReadOutcome::NotFound:
            reason = stringText(LibraryFileNotFound);
            break;
        case ReadOutcome::InvalidFormat:
            reason = stringText(InvalidFileFormat);
            break;
        case ReadOutcome::StoppedWithError:
            reason = result.error ? printableText(readErrorText(*result.error)) : std::string();
            break;
    }
    std::cerr << "glyphlib: " << fileName << ": " << reason << '\n';
    return false;
}

int writeLibraryTo(const std::string& fileName, const Library& library) {
    const WriteResult written = writeLibraryFile(QString::fromLocal8Bit(fileName), library);
    switch (written.outcome) {
        case WriteOutcome::Written:
            return exit_code::Success;
        case WriteOutcome::ReadOnly:
            std::cerr << "glyphlib: " << fileName << ": " << stringText(ExistingFileIsReadOnly)
                      << '\n';
            break;
        case WriteOutcome::CannotCreate:
        case WriteOutcome::WriteFailed:
            std::cerr << "glyphlib: " << fileName << ": " << stringText(ErrorWritingLibraryFile)
                      << ": " << written.detail.toStdString() << '\n';
            break;
    }
    return exit_code::Unreadable;
}

NamedLibrary loadNamedLibrary(std::span<const std::string> args, std::string_view command) {
    NamedLibrary named;
    const auto parsed = parseLibraryArguments(args, 1, command);
    if (!parsed) {
        named.exitCode = exit_code::Usage;
        return named;
    }
    named.file = parsed->files[0];
    auto loaded = loadLibrary(named.file, parsed->kindFor(named.file));
    if (!reportUnreadable(named.file, loaded->result)) {
        named.exitCode = exit_code::Unreadable;
        return named;
    }
    named.loaded = std::move(loaded);
    return named;
}
