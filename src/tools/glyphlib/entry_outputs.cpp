#include "tools/glyphlib/entry_outputs.h"

#include <QDir>
#include <QImageWriter>
#include <QSaveFile>
#include <iostream>

#include "model/cp1252.h"
#include "platform/entry_picture.h"
#include "tools/glyphlib/command.h"

std::optional<std::string> parseEntryOutputs(const TakenOptions& options, int maxScale,
                                             std::string_view output, EntryOutputs& parsed) {
    const auto optional = [&](std::string_view name) -> std::optional<std::string> {
        const std::string* value = options.value(name);
        return value ? std::optional(*value) : std::nullopt;
    };
    parsed.entry = optional("--entry");
    parsed.output = optional("-o");
    parsed.folder = optional("--all");
    if (const std::string* scale = options.value("--scale")) {
        const auto k = wholeNumber(*scale);
        if (!k || *k < 1 || *k > maxScale) {
            return "--scale needs a whole number from 1 to " + std::to_string(maxScale);
        }
        parsed.scale = *k;
    }
    const std::string out(output);
    if (parsed.folder.has_value() == (parsed.entry.has_value() || parsed.output.has_value())) {
        return "expects either --entry NAME|#N with -o " + out + ", or --all DIR";
    }
    if (parsed.entry.has_value() != parsed.output.has_value()) {
        return parsed.entry ? "--entry needs -o " + out : std::string("-o needs --entry");
    }
    return std::nullopt;
}

int findEntry(const Library& library, const std::string& wanted) {
    if (wanted.starts_with('#')) {
        const auto n = wholeNumber(std::string_view(wanted).substr(1));
        return n && *n >= 1 && *n <= library.entryCount ? *n : 0;
    }
    const std::string name = utf8ToCp1252(wanted);
    for (int n = 1; n <= library.entryCount; ++n) {
        if (library.entry(n).name.view() == name) {
            return n;
        }
    }
    return 0;
}

int writeEntryOutputs(const std::string& file, const Library& library, const EntryOutputs& outputs,
                      const QString& extension,
                      const std::function<bool(int n, const QString& path)>& write) {
    if (outputs.entry) {
        const int n = findEntry(library, *outputs.entry);
        if (n == 0) {
            std::cerr << "glyphlib: " << file << ": no entry " << *outputs.entry << '\n';
            return exit_code::Usage;
        }
        return write(n, QString::fromLocal8Bit(*outputs.output)) ? exit_code::Success
                                                                 : exit_code::Unreadable;
    }
    const QDir folder(QString::fromLocal8Bit(*outputs.folder));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::cerr << "glyphlib: " << *outputs.folder << ": cannot create the folder\n";
        return exit_code::Unreadable;
    }
    for (int n = 1; n <= library.entryCount; ++n) {
        if (!write(n, folder.filePath(entryPictureFileName(library, n, extension)))) {
            return exit_code::Unreadable;
        }
    }
    return exit_code::Success;
}

bool writePicture(const QImage& picture, const QString& path) {
    QSaveFile file(path);
    QImageWriter writer(&file, "png");
    if (file.open(QIODevice::WriteOnly) && writer.write(picture) && file.commit()) {
        return true;
    }
    const QString reason =
        writer.error() != QImageWriter::UnknownError ? writer.errorString() : file.errorString();
    std::cerr << "glyphlib: " << path.toLocal8Bit().toStdString()
              << ": cannot write the picture: " << reason.toLocal8Bit().toStdString() << '\n';
    return false;
}
