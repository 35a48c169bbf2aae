#include <QFileInfo>
#include <QGuiApplication>
#include <QString>
#include <iostream>

#include "platform/catalogue.h"
#include "platform/string_table.h"
#include "tools/glyphlib/command.h"
#include "tools/glyphlib/command_options.h"
#include "tools/glyphlib/commands.h"
#include "tools/glyphlib/library_arguments.h"
#include "tools/glyphlib/library_loading.h"

namespace {

constexpr std::string_view Valued[] = {"-o", "--columns"};

}  // namespace

int runCatalogue(std::span<const std::string> args) {
    const auto options = takeOptions(args, "catalogue", Valued);
    if (!options) {
        return exit_code::Usage;
    }
    const std::string* output = options->value("-o");
    if (!output) {
        printUsageError("catalogue", "expects -o OUT.pdf or -o OUT.html");
        return exit_code::Usage;
    }
    int columns = DefaultCatalogueColumns;
    if (const std::string* text = options->value("--columns")) {
        const auto n = wholeNumber(*text);
        if (!n || *n < 1 || *n > MaxCatalogueColumns) {
            printUsageError("catalogue", "--columns needs a whole number from 1 to " +
                                             std::to_string(MaxCatalogueColumns));
            return exit_code::Usage;
        }
        columns = *n;
    }
    const auto parsed = parseLibraryArguments(options->rest, 1, "catalogue");
    if (!parsed) {
        return exit_code::Usage;
    }
    const std::string& file = parsed->files[0];
    const auto loaded = loadLibrary(file, parsed->kindFor(file));
    if (!reportUnreadable(file, loaded->result)) {
        return exit_code::Unreadable;
    }
    reportFindings(file, loaded->result);
    // Text on the pages needs the fonts, which need an application of the GUI kind; no
    // display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int argc = 1;
    char program[] = "glyphlib";
    char* argv[] = {program, nullptr};
    const QGuiApplication application(argc, argv);
    const StringTable strings;
    QString error;
    const QString path = QString::fromLocal8Bit(*output);
    if (!writeCatalogue(path, loaded->library, QFileInfo(QString::fromLocal8Bit(file)).fileName(),
                        columns, strings, error)) {
        std::cerr << "glyphlib: " << *output
                  << ": cannot write the catalogue: " << error.toLocal8Bit().toStdString() << '\n';
        return exit_code::Unreadable;
    }
    return exit_code::Success;
}
