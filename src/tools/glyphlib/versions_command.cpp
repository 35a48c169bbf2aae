#include <QDir>
#include <QString>
#include <iostream>

#include "platform/earlier_versions.h"
#include "tools/glyphlib/command.h"
#include "tools/glyphlib/commands.h"
#include "tools/glyphlib/library_arguments.h"
#include "tools/glyphlib/library_loading.h"

int runVersions(std::span<const std::string> args) {
    const auto parsed = parseLibraryArguments(args, 1, "versions");
    if (!parsed) {
        return exit_code::Usage;
    }
    const std::string& file = parsed->files[0];
    const QString library = QString::fromStdString(file);
    const std::vector<EarlierVersion> versions = earlierVersions(library);
    std::cout << file << '\n'
              << "  kept in:  " << QDir::toNativeSeparators(versionsFolder(library)).toStdString()
              << '\n'
              << "  versions: " << versions.size() << '\n';
    for (const EarlierVersion& version : versions) {
        const auto loaded = loadLibrary(version.path.toStdString(), parsed->kindFor(file));
        const std::string entries = holdsLibrary(loaded->result)
                                        ? std::to_string(loaded->library.entryCount) + " entries"
                                        : "unreadable";
        std::cout << "  " << version.written.toString("yyyy-MM-dd HH:mm:ss").toStdString() << "  "
                  << version.size << " bytes  " << entries << "  "
                  << QDir::toNativeSeparators(version.path).toStdString() << '\n';
    }
    return exit_code::Success;
}
