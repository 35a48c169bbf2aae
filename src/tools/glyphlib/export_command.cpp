#include <QSaveFile>
#include <QString>
#include <iostream>

#include "platform/entry_picture.h"
#include "tools/glyphlib/command.h"
#include "tools/glyphlib/commands.h"
#include "tools/glyphlib/entry_outputs.h"
#include "tools/glyphlib/library_arguments.h"
#include "tools/glyphlib/library_loading.h"

namespace {

// Written to a temporary file first, so a failed write leaves an older drawing as it was.
bool writeSvg(const QByteArray& svg, const QString& path) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(svg) == svg.size() && file.commit()) {
        return true;
    }
    std::cerr << "glyphlib: " << path.toLocal8Bit().toStdString()
              << ": cannot write the drawing: " << file.errorString().toLocal8Bit().toStdString()
              << '\n';
    return false;
}

}  // namespace

int runExport(std::span<const std::string> args) {
    const auto options = takeOptions(args, "export", EntryOutputOptions);
    if (!options) {
        return exit_code::Usage;
    }
    EntryOutputs outputs;
    if (const auto error = parseEntryOutputs(*options, MaxPictureScale, "OUT.svg", outputs)) {
        printUsageError("export", *error);
        return exit_code::Usage;
    }
    const NamedLibrary named = loadNamedLibrary(options->rest, "export");
    if (!named.loaded) {
        return named.exitCode;
    }
    const std::string& file = named.file;
    const auto& loaded = named.loaded;
    reportFindings(file, loaded->result);
    return writeEntryOutputs(file, loaded->library, outputs, QStringLiteral("svg"),
                             [&](int n, const QString& path) {
                                 return writeSvg(entrySvg(loaded->library, n, outputs.scale), path);
                             });
}
