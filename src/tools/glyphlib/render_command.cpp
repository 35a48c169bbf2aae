#include <QDir>
#include <QImageWriter>
#include <QSaveFile>
#include <QString>
#include <charconv>
#include <iostream>
#include <memory>
#include <optional>
#include <vector>

#include "editing/editor_state.h"
#include "model/cp1252.h"
#include "platform/entry_picture.h"
#include "platform/library_file.h"
#include "tools/glyphlib/command.h"
#include "tools/glyphlib/commands.h"
#include "tools/glyphlib/library_arguments.h"
#include "tools/glyphlib/library_loading.h"

namespace {

struct RenderArguments {
    std::optional<std::string> entry;
    std::optional<std::string> output;
    std::optional<std::string> folder;
    int scale = 1;
    std::vector<std::string> rest;  // the file and --kind, for parseLibraryArguments
};

int usageError(const std::string& message) {
    std::cerr << "glyphlib render: " << message << '\n';
    for (const Command& c : commandTable()) {
        if (c.name == "render") {
            std::cerr << "usage: glyphlib render " << c.synopsis << '\n';
        }
    }
    return exit_code::Usage;
}

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// Takes the render options out of args; the error text when one is wrong.
std::optional<std::string> parseRenderArguments(std::span<const std::string> args,
                                                RenderArguments& parsed) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        std::optional<std::string>* target = nullptr;
        std::string option = arg;
        std::optional<std::string> value;
        if (const size_t equals = arg.find('='); arg.starts_with("--") && equals != arg.npos) {
            option = arg.substr(0, equals);
            value = arg.substr(equals + 1);
        }
        std::optional<std::string> scale;
        if (option == "--entry") {
            target = &parsed.entry;
        } else if (option == "-o") {
            target = &parsed.output;
        } else if (option == "--all") {
            target = &parsed.folder;
        } else if (option == "--scale") {
            target = &scale;
        } else {
            parsed.rest.push_back(arg);
            continue;
        }
        if (!value) {
            if (i + 1 == args.size()) {
                return option + " needs a value";
            }
            value = args[++i];
        }
        *target = value;
        if (scale) {
            const auto k = wholeNumber(*scale);
            if (!k || *k < 1 || *k > MaxPictureScale) {
                return "--scale needs a whole number from 1 to " + std::to_string(MaxPictureScale);
            }
            parsed.scale = *k;
        }
    }
    if (parsed.folder.has_value() == (parsed.entry.has_value() || parsed.output.has_value())) {
        return std::string("expects either --entry NAME|#N with -o OUT.png, or --all DIR");
    }
    if (parsed.entry.has_value() != parsed.output.has_value()) {
        return std::string(parsed.entry ? "--entry needs -o OUT.png" : "-o needs --entry");
    }
    return std::nullopt;
}

// The entry "#N" (1..entryCount) or the first entry of that name; 0 when there is none.
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

// Written to a temporary file first, so a failed write leaves an older picture as it was.
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

}  // namespace

int runRender(std::span<const std::string> args) {
    RenderArguments options;
    if (const auto error = parseRenderArguments(args, options)) {
        return usageError(*error);
    }
    const auto parsed = parseLibraryArguments(options.rest, 1, "render");
    if (!parsed) {
        return exit_code::Usage;
    }
    const std::string& file = parsed->files[0];
    const auto state = std::make_unique<EditorState>();
    Library& library = state->library;
    allocateLibrary(library);
    library.libraryKind = parsed->kindFor(file);
    const ReadResult result = readLibraryFile(QString::fromLocal8Bit(file), library);
    if (!reportUnreadable(file, result)) {
        return exit_code::Unreadable;
    }
    for (const ReadFinding& finding : result.findings) {
        std::cerr << "glyphlib: " << file << ": " << findingText(finding) << '\n';
    }

    if (options.entry) {
        const int n = findEntry(library, *options.entry);
        if (n == 0) {
            std::cerr << "glyphlib: " << file << ": no entry " << *options.entry << '\n';
            return exit_code::Usage;
        }
        const QImage picture = entryPicture(*state, n, options.scale);
        return writePicture(picture, QString::fromLocal8Bit(*options.output))
                   ? exit_code::Success
                   : exit_code::Unreadable;
    }
    const QDir folder(QString::fromLocal8Bit(*options.folder));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::cerr << "glyphlib: " << *options.folder << ": cannot create the folder\n";
        return exit_code::Unreadable;
    }
    const int count = library.entryCount;
    for (int n = 1; n <= count; ++n) {
        const QImage picture = entryPicture(*state, n, options.scale);
        if (!writePicture(picture, folder.filePath(entryPictureFileName(library, n)))) {
            return exit_code::Unreadable;
        }
    }
    return exit_code::Success;
}
