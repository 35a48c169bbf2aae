#include <QString>
#include <iostream>

#include "platform/library_file.h"
#include "tools/glyphlib/command.h"
#include "tools/glyphlib/commands.h"
#include "tools/glyphlib/library_arguments.h"
#include "tools/glyphlib/library_loading.h"

namespace {

constexpr int ErrorWritingLibraryFile = 33;
constexpr int ExistingFileIsReadOnly = 104;

}  // namespace

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
    const WriteResult written = writeLibraryFile(QString::fromLocal8Bit(out), loaded->library);
    switch (written.outcome) {
        case WriteOutcome::Written:
            return exit_code::Success;
        case WriteOutcome::ReadOnly:
            std::cerr << "glyphlib: " << out << ": " << stringText(ExistingFileIsReadOnly) << '\n';
            break;
        case WriteOutcome::CannotCreate:
        case WriteOutcome::WriteFailed:
            std::cerr << "glyphlib: " << out << ": " << stringText(ErrorWritingLibraryFile) << ": "
                      << written.detail.toStdString() << '\n';
            break;
    }
    return exit_code::Unreadable;
}
